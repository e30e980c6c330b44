// One press of CALCULATE from the command line. The three field texts and the two units go
// in; the press runs the window's own Calculate and ends as it does there: the blank field
// filled, a message, or an arithmetic fault.
#pragma once

#include <array>
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

// The three fields in the order of a schedule's cells.
enum class Field { Size, Length, Resistance };

// How a press ended. `text` is the text written into the blank `field` without its leading
// space, or the message, or the fault's report.
struct PressAnswer {
    enum class Kind { Solved, Message, Fault };
    Kind kind;
    Field field;  // the blank field, when solved
    std::string_view text;
};

// The window's fields held in three fixed slots, pressed as often as needed: the slots and the
// answer keep their room from one press to the next. The answer's text lasts until the next
// press.
class CommandPress final : private FieldAccess, private MessageSink {
  public:
    explicit CommandPress(const NumberFormat& format) : format_(format) {}

    // Runs one press. With AWG and feet, {"10", "1000", ""} answers Solved, Resistance,
    // "0.999933931240995"; {"10", "", ""} answers the message "You have to fill in either the
    // length or the resistance!"; {"500", "1", ""} the fault "THE CALCULATION FAILED:
    // DIVISION BY ZERO.".
    PressAnswer Press(const PressInput& input);

  private:
    std::string GetFieldText(std::string_view field) const override;
    void SetFieldText(std::string_view field, const std::string& text) override;
    void ShowMessage(const std::string& text) override;

    NumberFormat format_;
    std::array<std::string, 3> texts_;
    PressAnswer::Kind kind_ = PressAnswer::Kind::Solved;
    Field written_ = Field::Size;
    std::string answer_;
};

}  // namespace varnel::cli
