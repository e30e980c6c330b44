#include "press.h"

#include <variant>

#include "fault_report.h"

namespace varnel::cli {

PressAnswer CommandPress::Press(const PressInput& input) {
    CalculatorState state = StateWithUnits(input.sizeUnit, input.lengthUnit);
    PressOutcome outcome =
        varnel::Press(state, {input.size, input.length, input.resistance}, format_);
    return std::visit([this](const auto& ended) { return Answer(ended); }, outcome);
}

PressAnswer CommandPress::Answer(const Solved& solved) {
    std::string_view result = solved.text;
    if (result.starts_with(' ')) {
        result.remove_prefix(1);
    }
    answer_.assign(result);
    return {PressAnswer::Kind::Solved, solved.field, answer_};
}

PressAnswer CommandPress::Answer(const Refused& refused) {
    return {PressAnswer::Kind::Message, InputField::WireSize, refused.text()};
}

PressAnswer CommandPress::Answer(const Faulted& faulted) {
    answer_ = FaultReport(faulted.kind);
    return {PressAnswer::Kind::Fault, InputField::WireSize, answer_};
}

}  // namespace varnel::cli
