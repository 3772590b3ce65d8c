#pragma once

#include "number/number_text.h"

namespace quorvel {

// The user's regional settings as the number text rules need them, read
// afresh at each call (on Linux they follow LC_ALL, LC_NUMERIC and LANG).
NumberLocale SystemNumberLocale();

}  // namespace quorvel
