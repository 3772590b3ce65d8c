#pragma once

// The command line's standard output and error, as a program of the GUI
// subsystem has them. Redirected to a file or a pipe, a stream takes the
// bytes as the command line writes them, UTF-8 with LF. Otherwise the
// program attaches to its parent's console, having none of its own, and
// writes there as text. Started with neither (from Explorer, a shortcut),
// what it would have said is kept for a message box.

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

#include "frontend/command_line.h"

namespace quorvel::win {

class StandardOutput final : public CommandOutput {
public:
    explicit StandardOutput(DWORD stream) : stream_(stream) {}  // STD_OUTPUT_HANDLE, STD_ERROR_HANDLE

    std::optional<std::string> Write(std::string_view text) override;
    // What no stream and no console took.
    const std::string& Kept() const { return kept_; }

private:
    DWORD stream_;
    std::string kept_;
};

// What Windows says of an error, in English as on Linux.
std::string SystemMessage(DWORD error);

// Once the command line has answered: what it could write nowhere, in a
// message box.
void ShowKept(const StandardOutput& out, const StandardOutput& err);

}  // namespace quorvel::win
