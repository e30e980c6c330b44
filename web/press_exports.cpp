#include "press_exports.h"

#include <string>
#include <variant>

#include "calculator.h"
#include "fault_report.h"
#include "fields.h"
#include "units.h"

namespace {

using namespace varnel;

// The texts of the last answer, which the page reads through the pointers handed out.
struct HeldPress {
    std::string field;
    std::string text;
    std::string fieldToMend;
    VarnelPressOutcome outcome{};
};

struct HeldStep {
    std::string name;
    VarnelUnitStep step{};
};

HeldPress& LastPress() {
    static HeldPress held;
    return held;
}

HeldStep& LastStep() {
    static HeldStep held;
    return held;
}

const VarnelPressOutcome* Answer(VarnelOutcomeKind kind, std::string_view field,
                                 std::string_view text, std::string_view fieldToMend) {
    HeldPress& held = LastPress();
    held.field = field;
    held.text = text;
    held.fieldToMend = fieldToMend;
    held.outcome = {kind, held.field.c_str(), held.text.c_str(), held.fieldToMend.c_str()};
    return &held.outcome;
}

const VarnelPressOutcome* AnswerOf(const Solved& solved) {
    return Answer(VARNEL_SOLVED, FieldName(solved.field), solved.text, {});
}

const VarnelPressOutcome* AnswerOf(const Refused& refused) {
    std::optional<InputField> mend = refused.fieldToMend();
    return Answer(VARNEL_REFUSED, {}, refused.text(), mend ? FieldName(*mend) : "");
}

const VarnelPressOutcome* AnswerOf(const Faulted& faulted) {
    return Answer(VARNEL_FAULTED, {}, FaultReport(faulted.kind), {});
}

// Catches the unit name that a step writes into its unit box.
class UnitBoxes : public FieldAccess {
  public:
    std::string GetFieldText(std::string_view) const override { return {}; }
    void SetFieldText(std::string_view, const std::string& text) override { written = text; }
    std::string written;
};

template <typename Step>
const VarnelUnitStep* StepUnit(CalculatorState state, Step step,
                               std::int32_t (*index)(const CalculatorState&)) {
    UnitBoxes boxes;
    step(state, boxes);
    HeldStep& held = LastStep();
    held.name = boxes.written;
    held.step = {index(state), held.name.c_str()};
    return &held.step;
}

CalculatorState StateIn(std::int32_t sizeIndex, std::int32_t lengthIndex) {
    return StateWithUnits(static_cast<SizeUnit>(sizeIndex), static_cast<LengthUnit>(lengthIndex));
}

}  // namespace

extern "C" {

const VarnelPressOutcome* VarnelPress(const char* wireSize, const char* wireLength,
                                      const char* resistance, std::int32_t sizeIndex,
                                      std::int32_t lengthIndex, const char* decimal,
                                      const char* group, const char* minus) {
    CalculatorState state = StateIn(sizeIndex, lengthIndex);
    PressOutcome outcome = Press(state, {wireSize, wireLength, resistance}, {decimal, group, minus});
    return std::visit([](const auto& ended) { return AnswerOf(ended); }, outcome);
}

const VarnelUnitStep* VarnelNextSizeUnit(std::int32_t sizeIndex) {
    return StepUnit(StateIn(sizeIndex, 0), NextSizeUnit,
                    [](const CalculatorState& state) -> std::int32_t { return state.SIZEINDEX; });
}

const VarnelUnitStep* VarnelNextLengthUnit(std::int32_t lengthIndex) {
    return StepUnit(StateIn(0, lengthIndex), NextLengthUnit,
                    [](const CalculatorState& state) -> std::int32_t { return state.LENGTHINDEX; });
}
}
