#pragma once

#include "number/number_text.h"

namespace quorvel {

// The number settings of the browser's locale, read afresh at each call from
// what Intl.NumberFormat writes by default. No currency symbol: Intl names
// none for a locale, and one guessed from the language would make "5 $" a
// number in every country that speaks it.
NumberLocale BrowserNumberLocale();

}  // namespace quorvel
