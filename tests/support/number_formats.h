// The number formats the tests read and write in: the period and comma locales, and those
// whose group separator is a no-break space (fr_FR-like) or a right single quotation mark
// (de_CH-like).
#pragma once

#include "numeric_text.h"

namespace varnel::testing {

inline const NumberFormat kPeriod{".", ",", "-"};
inline const NumberFormat kComma{",", ".", "-"};
inline const NumberFormat kCommaNoBreakSpace{",", "\u00A0", "-"};
inline const NumberFormat kFrench{",", "\u202F", "-"};
inline const NumberFormat kSwissGerman{".", "\u2019", "-"};

}  // namespace varnel::testing
