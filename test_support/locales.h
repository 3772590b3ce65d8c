#pragma once

#include "number/number_text.h"

namespace quorvel::testing {

inline const NumberLocale kCLocale{".", ",", ""};
inline const NumberLocale kDotLocale{".", ",", "$"};
inline const NumberLocale kRomanian{",", ".", "RON"};
inline const NumberLocale kFrench{",", "\u202F", "\u20AC"};      // narrow no-break space groups
inline const NumberLocale kSwissGerman{".", "\u2019", "CHF"};   // right single quote groups

}  // namespace quorvel::testing
