#include "press.h"

#include <cstddef>

#include "fault_report.h"

namespace varnel::cli {
namespace {

// Calculate reads and writes only the three input fields.
Field FieldNamed(std::string_view field) {
    if (field == WIRESIZE) {
        return Field::Size;
    }
    return field == WIRELENGTH ? Field::Length : Field::Resistance;
}

std::size_t Slot(Field field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

PressAnswer CommandPress::Press(const PressInput& input) {
    texts_[Slot(Field::Size)].assign(input.size);
    texts_[Slot(Field::Length)].assign(input.length);
    texts_[Slot(Field::Resistance)].assign(input.resistance);
    CalculatorState state;
    state.SIZEINDEX = static_cast<std::int16_t>(input.sizeUnit);
    state.LENGTHINDEX = static_cast<std::int16_t>(input.lengthUnit);
    try {
        Calculate(state, *this, *this, format_);
    } catch (const ArithmeticFault& fault) {
        kind_ = PressAnswer::Kind::Fault;
        answer_ = FaultReport(fault.kind());
    }
    return {kind_, written_, answer_};
}

std::string CommandPress::GetFieldText(std::string_view field) const {
    return texts_[Slot(FieldNamed(field))];
}

void CommandPress::SetFieldText(std::string_view field, const std::string& text) {
    kind_ = PressAnswer::Kind::Solved;
    written_ = FieldNamed(field);
    std::string_view result = text;
    if (result.starts_with(' ')) {
        result.remove_prefix(1);
    }
    answer_.assign(result);
}

void CommandPress::ShowMessage(const std::string& text) {
    kind_ = PressAnswer::Kind::Message;
    answer_.assign(text);
}

}  // namespace varnel::cli
