#pragma once

// The one reader behind ParseStrict and what an entry reads in the locale's form.

#include <string_view>

#include "number/number_text.h"

namespace quorvel::detail {

enum class StrictReading {
    number,
    overflow,      // a number in form, beyond the double range
    beginning,     // no number yet, but more characters at its end can make one
    not_a_number,  // no number, whatever follows
};

// The whole text as one number in the given settings. value is set for a
// number, and for a beginning to the number as far as it goes (0 before
// its first digit).
StrictReading ReadStrict(std::string_view text, const NumberLocale& locale, double& value) noexcept;

}  // namespace quorvel::detail
