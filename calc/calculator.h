// The press of CALCULATE: from which of the three fields is blank it decides what to solve,
// checks the two inputs, converts them to square millimetres, metres and ohms, solves for
// the third quantity with the resistivity of copper and answers with the text to write into
// the blank field, the message that refuses the press, or the arithmetic fault that ended it.
//
// Press is the calculation itself and answers in a value; Calculate is the window's adapter
// over it, reading the fields through FieldAccess and answering through them and a
// MessageSink.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calculator_state.h"
#include "checked_arithmetic.h"
#include "fields.h"
#include "messages.h"
#include "numeric_text.h"

namespace varnel {

// The resistivity of copper in ohm square millimetres per metre.
inline constexpr double COPPER_RHO = 0.01725608;

// The texts of the three input fields as they stand; an empty text is a blank field.
struct PressTexts {
    std::string_view size;
    std::string_view length;
    std::string_view resistance;
};

// The result written into the blank field, as the window writes it (with its leading space).
struct Solved {
    InputField field;
    std::string text;
    bool operator==(const Solved&) const = default;
};

// A press refused by one message; nothing is written.
struct Refused {
    PressMessage message;
    std::string_view text() const { return MessageText(message); }
    std::optional<InputField> fieldToMend() const { return FieldToMend(message); }
    bool operator==(const Refused&) const = default;
};

// A press ended by an arithmetic fault; nothing is written.
struct Faulted {
    FaultKind kind;
    bool operator==(const Faulted&) const = default;
};

using PressOutcome = std::variant<Solved, Refused, Faulted>;

// One press of CALCULATE in the units that the state's SIZEINDEX and LENGTHINDEX select. It
// sets the state's numbers as far as it gets (after a fault, those set before it keep their
// values) and answers in exactly one of the three ways; the two filled fields are never
// rewritten. A unit index outside its cycle, which no press sets, ends a press that passes the
// blank rule with an InvalidOperation fault.
// Example: AWG, feet, {"10", "1000", ""} answers Solved{Resistance, " 0.999933931240995"};
// {"10", "", ""} answers Refused{LengthAndResistanceBlank}; {"500", "1", ""} answers
// Faulted{DivisionByZero}.
PressOutcome Press(CalculatorState& state, const PressTexts& texts, const NumberFormat& format);

// The press as the window runs it: reads the three fields, then writes the result into the
// blank field or shows the one message, and answers with the outcome; an ArithmeticFault
// leaves it instead, with no field written.
PressOutcome Calculate(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
                       const NumberFormat& format);

}  // namespace varnel
