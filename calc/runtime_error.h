#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

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
    ConversionError() : RuntimeError(13, "Type mismatch") {}
};

class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError(6, "Overflow") {}
};

class InvalidArgumentError : public RuntimeError {
public:
    InvalidArgumentError() : RuntimeError(5, "Invalid procedure call or argument") {}
};

}  // namespace quorvel
