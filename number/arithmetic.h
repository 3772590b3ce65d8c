#pragma once

// Arithmetic on numbers that raises the overflow error instead of leaving
// the double range, so that no field ever shows an infinity.

#include <cmath>

#include "number/runtime_error.h"

namespace quorvel {

inline double Checked(double result) {
    if (!std::isfinite(result)) throw OverflowError();
    return result;
}

inline double Sum(double a, double b) { return Checked(a + b); }
inline double Product(double a, double b) { return Checked(a * b); }
inline double Quotient(double a, double b) { return Checked(a / b); }

}  // namespace quorvel
