// One press of CALCULATE as the tests and the fuzzer run it: the three typed texts, the two
// units and the locale go in; the core's outcome and the state it left come out.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calculator.h"
#include "number_formats.h"
#include "units.h"

namespace varnel::testing {

struct TypedPress {
    std::string wireSize;
    std::string length;
    std::string resistance;
    SizeUnit sizeUnit = SizeUnit::Awg;
    LengthUnit lengthUnit = LengthUnit::Feet;
    NumberFormat format = kPeriod;
};

struct PressedOnce {
    PressOutcome outcome;
    CalculatorState state;
};

inline PressedOnce PressOnce(const TypedPress& press) {
    PressedOnce pressed{{}, StateWithUnits(press.sizeUnit, press.lengthUnit)};
    pressed.outcome =
        Press(pressed.state, {press.wireSize, press.length, press.resistance}, press.format);
    return pressed;
}

// The text of the message that refused a press; empty for a press that was not refused.
inline std::string_view MessageOf(const PressOutcome& outcome) {
    const auto* refused = std::get_if<Refused>(&outcome);
    return refused == nullptr ? std::string_view() : refused->text();
}

}  // namespace varnel::testing
