#pragma once

// A double as the decimal it stands for, and back: what compares values
// exactly, where a product of doubles would be off in its last bit.

#include <cstdint>

namespace quorvel {

struct ExactDecimal {
    std::uint64_t digits = 0;  // its significant digits, as a whole number
    int count = 0;             // how many: 15 hold every decimal of up to 15 digits, a few need 16 or 17
    int decade = 0;            // the power of ten of the first digit
};

// The fewest digits (at least 15) that read back as the number, exactly
// rounded; the number must be finite and above zero.
ExactDecimal ShortestDecimal(double number);

// The double nearest digits × 10^exponent.
double NearestDouble(std::uint64_t digits, int exponent);

}  // namespace quorvel
