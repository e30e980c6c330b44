#include "calculator.h"

#include <optional>

#include "awg.h"
#include "units.h"

namespace varnel {
namespace {

// Which fields are blank, one bit each.
constexpr int kSizeBlank = 1;
constexpr int kLengthBlank = 2;
constexpr int kResistanceBlank = 4;

std::optional<PressMessage> BlankRuleMessage(int blankMask) {
    switch (blankMask) {
        case 0:
            return PressMessage::NoFieldBlank;
        case kSizeBlank | kLengthBlank | kResistanceBlank:
            return PressMessage::AllFieldsBlank;
        case kLengthBlank | kResistanceBlank:
            return PressMessage::LengthAndResistanceBlank;
        case kSizeBlank | kResistanceBlank:
            return PressMessage::SizeAndResistanceBlank;
        case kSizeBlank | kLengthBlank:
            return PressMessage::SizeAndLengthBlank;
        default:
            return std::nullopt;
    }
}

SizeUnit SelectedSizeUnit(const CalculatorState& state) {
    std::optional<SizeUnit> unit = SizeUnitAt(state.SIZEINDEX);
    if (!unit) {
        RaiseFault(FaultKind::InvalidOperation);
    }
    return *unit;
}

const UnitConversion& SelectedLengthConversion(const CalculatorState& state) {
    std::optional<LengthUnit> unit = LengthUnitAt(state.LENGTHINDEX);
    if (!unit) {
        RaiseFault(FaultKind::InvalidOperation);
    }
    return LengthUnitRow(*unit).conversion;
}

// The conversion of a wire-size unit other than AWG.
const UnitConversion& SizeConversion(SizeUnit unit) {
    return *SizeUnitRow(unit).conversion;
}

// The steps of one press, sharing its state, texts and locale.
class PressSteps {
  public:
    PressSteps(CalculatorState& state, const PressTexts& texts, const NumberFormat& format)
        : state_(state), texts_(texts), format_(format) {}

    PressOutcome Run() {
        try {
            return Steps();
        } catch (const ArithmeticFault& fault) {
            return Faulted{fault.kind()};
        }
    }

  private:
    PressOutcome Steps() {
        int blankMask = BlankMask();
        state_.SIZEVALUE = 0.0;
        if (std::optional<PressMessage> message = BlankRuleMessage(blankMask)) {
            return Refused{*message};
        }
        if (blankMask != kSizeBlank && !ReadWireSize()) {
            return Refused{PressMessage::SizeNotUnderstood};
        }
        if (blankMask != kLengthBlank && !ReadLength()) {
            return Refused{PressMessage::LengthNotUnderstood};
        }
        if (blankMask != kResistanceBlank && !ReadResistance()) {
            return Refused{PressMessage::ResistanceNotUnderstood};
        }
        return Solve(blankMask);
    }

    int BlankMask() const {
        int mask = 0;
        if (IsBlankText(texts_.size)) {
            mask |= kSizeBlank;
        }
        if (IsBlankText(texts_.length)) {
            mask |= kLengthBlank;
        }
        if (IsBlankText(texts_.resistance)) {
            mask |= kResistanceBlank;
        }
        return mask;
    }

    bool ReadWireSize() {
        SizeUnit unit = SelectedSizeUnit(state_);
        return unit == SizeUnit::Awg ? ReadGauge() : ReadSizeInUnit(unit);
    }

    bool ReadGauge() {
        std::optional<double> gauge = ParseGauge(texts_.size, format_);
        if (!gauge) {
            return false;
        }
        state_.SIZEVALUE = *gauge;
        state_.AREA = GaugeToArea(*gauge);
        return true;
    }

    bool ReadSizeInUnit(SizeUnit unit) {
        std::optional<double> size = ReadPositiveNumber(texts_.size, format_);
        if (!size) {
            return false;
        }
        state_.SIZEVALUE = *size;
        state_.AREA = RoundToSingle(ApplyConversion(*size, SizeConversion(unit).toBase));
        return true;
    }

    bool ReadLength() {
        std::optional<double> length = ReadPositiveNumber(texts_.length, format_);
        if (!length) {
            return false;
        }
        state_.LENGTHM = ApplyConversion(*length, SelectedLengthConversion(state_).toBase);
        return true;
    }

    bool ReadResistance() {
        std::optional<double> ohms = ReadPositiveNumber(texts_.resistance, format_);
        if (!ohms) {
            return false;
        }
        state_.OHMS = *ohms;
        return true;
    }

    // Only one field is blank here.
    Solved Solve(int blankMask) {
        switch (blankMask) {
            case kSizeBlank:
                return SolveWireSize();
            case kLengthBlank:
                return SolveLength();
            default:
                return SolveResistance();
        }
    }

    Solved SolveWireSize() {
        state_.AREA =
            RoundToSingle(CheckedMultiply(CheckedDivide(COPPER_RHO, state_.OHMS), state_.LENGTHM));
        SizeUnit unit = SelectedSizeUnit(state_);
        if (unit == SizeUnit::Awg) {
            state_.SIZEVALUE = AreaToGauge(state_.AREA);
            return {InputField::WireSize, GaugeText(state_.SIZEVALUE, format_)};
        }
        state_.SIZEVALUE = ApplyConversion(state_.AREA, SizeConversion(unit).fromBase);
        return {InputField::WireSize, NumberText(state_.SIZEVALUE, format_)};
    }

    Solved SolveLength() {
        state_.LENGTHM = CheckedDivide(CheckedMultiply(state_.AREA, state_.OHMS), COPPER_RHO);
        state_.LENGTHVALUE = RoundToSingle(
            ApplyConversion(state_.LENGTHM, SelectedLengthConversion(state_).fromBase));
        return {InputField::WireLength, NumberText(state_.LENGTHVALUE, format_)};
    }

    Solved SolveResistance() {
        state_.OHMS = CheckedMultiply(CheckedDivide(COPPER_RHO, state_.AREA), state_.LENGTHM);
        return {InputField::Resistance, NumberText(state_.OHMS, format_)};
    }

    CalculatorState& state_;
    const PressTexts& texts_;
    const NumberFormat& format_;
};

// Writes a press's outcome through the window's seams; a fault is raised again.
void Present(const PressOutcome& outcome, FieldAccess& fields, MessageSink& messages) {
    if (const auto* solved = std::get_if<Solved>(&outcome)) {
        fields.SetFieldText(FieldName(solved->field), solved->text);
    } else if (const auto* refused = std::get_if<Refused>(&outcome)) {
        messages.ShowMessage(std::string(refused->text()));
    } else {
        RaiseFault(std::get<Faulted>(outcome).kind);
    }
}

}  // namespace

PressOutcome Press(CalculatorState& state, const PressTexts& texts, const NumberFormat& format) {
    return PressSteps(state, texts, format).Run();
}

PressOutcome Calculate(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
                       const NumberFormat& format) {
    std::string size = fields.GetFieldText(WIRESIZE);
    std::string length = fields.GetFieldText(WIRELENGTH);
    std::string resistance = fields.GetFieldText(RESISTANCE);
    PressOutcome outcome = Press(state, {size, length, resistance}, format);
    Present(outcome, fields, messages);
    return outcome;
}

}  // namespace varnel
