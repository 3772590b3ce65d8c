#pragma once

// What the user is told of a run-time error, in the window's language. Every
// front end shows this text, under the catalogue's title (texts::kErrorTitle),
// with a warning sign and one OK button; the program goes on afterwards.

#include <string>
#include <string_view>

#include "number/runtime_error.h"

namespace quorvel {

// A report of the calculator's own, beside the platform's run-time errors
// and told as they are: its text is its description. Numbered -1, which no
// run-time error takes.
inline constexpr int kOwnReport = -1;
class OwnReport : public RuntimeError {
public:
    explicit OwnReport(const std::string& text) : RuntimeError(kOwnReport, text) {}
};

// UTF-8 text; lines are separated by "\n".
std::string ErrorMessage(const RuntimeError& error);

}  // namespace quorvel
