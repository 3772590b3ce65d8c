#pragma once

#include "frontend/command_line.h"

namespace quorvel::testing {

// A standard stream that keeps what it is given, or fails as a closed one does.
struct KeptOutput : CommandOutput {
    explicit KeptOutput(bool is_closed = false) : closed(is_closed) {}
    std::optional<std::string> Write(std::string_view text) override {
        if (closed) return "Bad file descriptor";
        kept += text;
        return std::nullopt;
    }
    bool closed;
    std::string kept;
};

}  // namespace quorvel::testing
