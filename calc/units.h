// Stepping the wire-size and length units with the CHANGE buttons. A step advances the unit
// index and writes the new unit's name into its unit box; it converts no number.
#pragma once

#include <array>
#include <string_view>

#include "calculator.h"

namespace varnel {

// The names written into WIREUNIT, by wire-size unit index 0 to 5.
inline constexpr std::array<std::string_view, 6> SIZE_UNIT_NAMES{
    "GUAGE(AWG - U.S.)", "CIRCULAR MILS", "SQUARE INCHES",
    "SQUARE MILS",       "KCMIL or MCM",  "SQUARE MILLIMETERS",
};

// The names written into LENGTHUNIT, by length unit index 0 to 6.
inline constexpr std::array<std::string_view, 7> LENGTH_UNIT_NAMES{
    "FEET", "METERS", "INCHES", "CENTIMETERS", "YARDS", "MILES", "KILOMETERS",
};

// Advances SIZEINDEX (5 wraps to 0) and writes its name into WIREUNIT.
// From AWG, one step writes "CIRCULAR MILS".
void NextSizeUnit(CalculatorState& state, FieldAccess& fields);

// Advances LENGTHINDEX (6 wraps to 0) and writes its name into LENGTHUNIT.
// From feet, one step writes "METERS".
void NextLengthUnit(CalculatorState& state, FieldAccess& fields);

}  // namespace varnel
