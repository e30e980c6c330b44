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

std::optional<std::string_view> BlankRuleMessage(int blankMask) {
    switch (blankMask) {
        case 0:
            return kNoFieldBlank;
        case kSizeBlank | kLengthBlank | kResistanceBlank:
            return kAllFieldsBlank;
        case kLengthBlank | kResistanceBlank:
            return kLengthAndResistanceBlank;
        case kSizeBlank | kResistanceBlank:
            return kSizeAndResistanceBlank;
        case kSizeBlank | kLengthBlank:
            return kSizeAndLengthBlank;
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

// The steps of one press, sharing its state, fields, message sink and locale.
class Press {
  public:
    Press(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
          const NumberFormat& format)
        : state_(state), fields_(fields), messages_(messages), format_(format) {}

    void Run() {
        int blankMask = BlankMask();
        state_.SIZEVALUE = 0.0;
        if (std::optional<std::string_view> message = BlankRuleMessage(blankMask)) {
            Show(*message);
            return;
        }
        if (blankMask != kSizeBlank && !ReadWireSize()) {
            return;
        }
        if (blankMask != kLengthBlank && !ReadLength()) {
            return;
        }
        if (blankMask != kResistanceBlank && !ReadResistance()) {
            return;
        }
        Solve(blankMask);
    }

  private:
    int BlankMask() const {
        int mask = 0;
        if (IsBlankText(fields_.GetFieldText(WIRESIZE))) {
            mask |= kSizeBlank;
        }
        if (IsBlankText(fields_.GetFieldText(WIRELENGTH))) {
            mask |= kLengthBlank;
        }
        if (IsBlankText(fields_.GetFieldText(RESISTANCE))) {
            mask |= kResistanceBlank;
        }
        return mask;
    }

    void Show(std::string_view message) { messages_.ShowMessage(std::string(message)); }

    // Shows the message and reports that the input was refused.
    bool Refuse(std::string_view message) {
        Show(message);
        return false;
    }

    std::optional<double> ReadPositiveField(std::string_view field) const {
        return ReadPositiveNumber(fields_.GetFieldText(field), format_);
    }

    bool ReadWireSize() {
        SizeUnit unit = SelectedSizeUnit(state_);
        return unit == SizeUnit::Awg ? ReadGauge() : ReadSizeInUnit(unit);
    }

    bool ReadGauge() {
        std::optional<double> gauge = ParseGauge(fields_.GetFieldText(WIRESIZE), format_);
        if (!gauge) {
            return Refuse(kSizeNotUnderstood);
        }
        state_.SIZEVALUE = *gauge;
        state_.AREA = GaugeToArea(*gauge);
        return true;
    }

    bool ReadSizeInUnit(SizeUnit unit) {
        std::optional<double> size = ReadPositiveField(WIRESIZE);
        if (!size) {
            return Refuse(kSizeNotUnderstood);
        }
        state_.SIZEVALUE = *size;
        state_.AREA = RoundToSingle(ApplyConversion(*size, SizeConversion(unit).toBase));
        return true;
    }

    bool ReadLength() {
        std::optional<double> length = ReadPositiveField(WIRELENGTH);
        if (!length) {
            return Refuse(kLengthNotUnderstood);
        }
        state_.LENGTHM = ApplyConversion(*length, SelectedLengthConversion(state_).toBase);
        return true;
    }

    bool ReadResistance() {
        std::optional<double> ohms = ReadPositiveField(RESISTANCE);
        if (!ohms) {
            return Refuse(kResistanceNotUnderstood);
        }
        state_.OHMS = *ohms;
        return true;
    }

    void Solve(int blankMask) {
        switch (blankMask) {
            case kSizeBlank:
                SolveWireSize();
                break;
            case kLengthBlank:
                SolveLength();
                break;
            case kResistanceBlank:
                SolveResistance();
                break;
        }
    }

    void SolveWireSize() {
        state_.AREA =
            RoundToSingle(CheckedMultiply(CheckedDivide(COPPER_RHO, state_.OHMS), state_.LENGTHM));
        SizeUnit unit = SelectedSizeUnit(state_);
        if (unit == SizeUnit::Awg) {
            state_.SIZEVALUE = AreaToGauge(state_.AREA);
            fields_.SetFieldText(WIRESIZE, GaugeText(state_.SIZEVALUE, format_));
            return;
        }
        state_.SIZEVALUE = ApplyConversion(state_.AREA, SizeConversion(unit).fromBase);
        fields_.SetFieldText(WIRESIZE, NumberText(state_.SIZEVALUE, format_));
    }

    void SolveLength() {
        state_.LENGTHM = CheckedDivide(CheckedMultiply(state_.AREA, state_.OHMS), COPPER_RHO);
        state_.LENGTHVALUE = RoundToSingle(
            ApplyConversion(state_.LENGTHM, SelectedLengthConversion(state_).fromBase));
        fields_.SetFieldText(WIRELENGTH, NumberText(state_.LENGTHVALUE, format_));
    }

    void SolveResistance() {
        state_.OHMS = CheckedMultiply(CheckedDivide(COPPER_RHO, state_.AREA), state_.LENGTHM);
        fields_.SetFieldText(RESISTANCE, NumberText(state_.OHMS, format_));
    }

    CalculatorState& state_;
    FieldAccess& fields_;
    MessageSink& messages_;
    const NumberFormat& format_;
};

}  // namespace

void Calculate(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
               const NumberFormat& format) {
    Press(state, fields, messages, format).Run();
}

}  // namespace varnel
