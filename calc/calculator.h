// The press of CALCULATE: from which of the three fields is blank it decides what to solve,
// checks the two inputs, converts them to square millimetres, metres and ohms, solves for
// the third quantity with the resistivity of copper and writes the result into the blank
// field. It reaches its window only through FieldAccess and a MessageSink.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric_text.h"

namespace varnel {

// The numbers kept between presses; all zero when the window opens (AWG, feet).
struct CalculatorState {
    double SIZEVALUE = 0.0;        // wire size in the selected unit; for AWG the gauge
    std::int16_t SIZEINDEX = 0;    // selected wire-size unit, a SizeUnit (units.h)
    float LENGTHVALUE = 0.0f;      // a solved length in the selected length unit
    std::int16_t LENGTHINDEX = 0;  // selected length unit, a LengthUnit (units.h)
    double OHMS = 0.0;             // resistance in ohms
    float AREA = 0.0f;             // cross-section in square millimetres
    double LENGTHM = 0.0;          // length in metres
};

// The control names of the fields the calculation reads and writes.
inline constexpr std::string_view WIRESIZE = "WIRESIZE";
inline constexpr std::string_view WIRELENGTH = "WIRELENGTH";
inline constexpr std::string_view RESISTANCE = "RESISTANCE";
inline constexpr std::string_view WIREUNIT = "WIREUNIT";
inline constexpr std::string_view LENGTHUNIT = "LENGTHUNIT";

// The seam to the window's text boxes: each field is read and replaced whole.
class FieldAccess {
  public:
    virtual ~FieldAccess() = default;
    virtual std::string GetFieldText(std::string_view field) const = 0;
    virtual void SetFieldText(std::string_view field, const std::string& text) = 0;
};

// The resistivity of copper in ohm square millimetres per metre.
inline constexpr double COPPER_RHO = 0.01725608;

// The messages of a press, word for word.
// clang-format off
inline constexpr std::string_view kNoFieldBlank = "You have to leave one of the fields blank!";
inline constexpr std::string_view kAllFieldsBlank = "You have to fill in two of the fields!";
inline constexpr std::string_view kLengthAndResistanceBlank = "You have to fill in either the length or the resistance!";
inline constexpr std::string_view kSizeAndResistanceBlank = "You have to fill in either the wire size or the resistance!";
inline constexpr std::string_view kSizeAndLengthBlank = "You have to fill in either the wire size or the length!";
inline constexpr std::string_view kSizeNotUnderstood = "THE WIRESIZE YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kLengthNotUnderstood = "THE WIRELENGTH YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kResistanceNotUnderstood = "THE RESISTANCE YOU ENTERED IS NOT UNDERSTOOD.";
// clang-format on

// One press of CALCULATE. It ends in exactly one of three ways: the result is written into
// the one blank field; one message is shown and no field is written; or an ArithmeticFault
// leaves it, no field is written and the state fields set before the fault keep their
// values. The two filled fields are never rewritten. A unit index outside its cycle, which
// no press sets, ends a press that passes the blank rule with an InvalidOperation fault.
// Example: AWG, feet, WIRESIZE "10", WIRELENGTH "1000", RESISTANCE "" writes
// " 0.999933931240995" into RESISTANCE.
void Calculate(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
               const NumberFormat& format);

}  // namespace varnel
