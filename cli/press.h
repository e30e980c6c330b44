// One press of CALCULATE from the command line. The three field texts and the two units go
// in; the core's press answers as the window's does, and the answer is the text for the user:
// the result without its leading space, the message, or the fault's report.
#pragma once

#include <string>
#include <string_view>

#include "calculator.h"
#include "numeric_text.h"
#include "units.h"

namespace varnel::cli {

// The field texts and units of one press; an empty text is a blank field.
struct PressInput {
    std::string_view size;
    std::string_view length;
    std::string_view resistance;
    SizeUnit sizeUnit = SizeUnit::Awg;
    LengthUnit lengthUnit = LengthUnit::Feet;
};

// How a press ended. `text` is the text written into the blank `field` without its leading
// space, or the message, or the fault's report.
struct PressAnswer {
    enum class Kind { Solved, Message, Fault };
    Kind kind;
    InputField field;  // the blank field, when solved
    std::string_view text;
};

// Presses in one locale, as often as needed: the answer keeps its room from one press to the
// next, and its text lasts until the next press.
class CommandPress {
  public:
    explicit CommandPress(const NumberFormat& format) : format_(format) {}

    // Runs one press. With AWG and feet, {"10", "1000", ""} answers Solved, Resistance,
    // "0.999933931240995"; {"10", "", ""} answers the message "You have to fill in either the
    // length or the resistance!"; {"500", "1", ""} the fault "THE CALCULATION FAILED:
    // DIVISION BY ZERO.".
    PressAnswer Press(const PressInput& input);

  private:
    PressAnswer Answer(const Solved& solved);
    PressAnswer Answer(const Refused& refused);
    PressAnswer Answer(const Faulted& faulted);

    NumberFormat format_;
    std::string answer_;
};

}  // namespace varnel::cli
