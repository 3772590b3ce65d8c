#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// The platform's numbers of the run-time errors the calculator can meet.
inline constexpr int kInvalidCallError = 5;
inline constexpr int kOverflowError = 6;
inline constexpr int kTypeMismatchError = 13;

// The run-time errors of the platform the calculator runs on: each carries
// the platform's error number and its description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const noexcept { return number_; }

private:
    int number_;
};

class ConversionError : public RuntimeError {
public:
    ConversionError() : RuntimeError(kTypeMismatchError, "Type mismatch") {}
};

class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError(kOverflowError, "Overflow") {}
};

class InvalidArgumentError : public RuntimeError {
public:
    InvalidArgumentError() : RuntimeError(kInvalidCallError, "Invalid procedure call or argument") {}
};

}  // namespace quorvel
