#include "calculator.h"

#include <optional>

#include "awg.h"

namespace varnel {
namespace {

using Operation = ConversionStep::Operation;

constexpr ConversionStep Times(double factor) {
    return {Operation::Multiply, factor};
}
constexpr ConversionStep Over(double factor) {
    return {Operation::Divide, factor};
}
constexpr ConversionStep kUnchanged = Times(1.0);

constexpr double kCircularMilsPerSquareMillimetre = 1973.5;
constexpr double kSquareMillimetresPerSquareInch = 645.16;
constexpr double kSquareMilsPerSquareMillimetre = 1550.0031000062;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kFeetPerMile = 5280.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kCentimetresPerMetre = 100.0;
constexpr double kMetresPerYard = 0.9144;
constexpr double kMetresPerKilometre = 1000.0;
constexpr double kCircularMilsPerKcmil = 1000.0;

constexpr std::int16_t kAwgIndex = 0;

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

const UnitConversion& SizeUnit(std::int16_t sizeIndex) {
    return SIZE_UNITS.at(static_cast<std::size_t>(sizeIndex - 1));
}

const UnitConversion& LengthUnit(std::int16_t lengthIndex) {
    return LENGTH_UNITS.at(static_cast<std::size_t>(lengthIndex));
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

    bool ReadWireSize() { return state_.SIZEINDEX == kAwgIndex ? ReadGauge() : ReadSizeInUnit(); }

    bool ReadGauge() {
        std::optional<double> gauge = ParseGauge(fields_.GetFieldText(WIRESIZE), format_);
        if (!gauge) {
            return Refuse(kSizeNotUnderstood);
        }
        state_.SIZEVALUE = *gauge;
        state_.AREA = GaugeToArea(*gauge);
        return true;
    }

    bool ReadSizeInUnit() {
        std::optional<double> size = ReadPositiveField(WIRESIZE);
        if (!size) {
            return Refuse(kSizeNotUnderstood);
        }
        state_.SIZEVALUE = *size;
        state_.AREA = RoundToSingle(ApplyConversion(*size, SizeUnit(state_.SIZEINDEX).toBase));
        return true;
    }

    bool ReadLength() {
        std::optional<double> length = ReadPositiveField(WIRELENGTH);
        if (!length) {
            return Refuse(kLengthNotUnderstood);
        }
        state_.LENGTHM = ApplyConversion(*length, LengthUnit(state_.LENGTHINDEX).toBase);
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
        if (state_.SIZEINDEX == kAwgIndex) {
            state_.SIZEVALUE = AreaToGauge(state_.AREA);
            fields_.SetFieldText(WIRESIZE, GaugeText(state_.SIZEVALUE, format_));
            return;
        }
        state_.SIZEVALUE = ApplyConversion(state_.AREA, SizeUnit(state_.SIZEINDEX).fromBase);
        fields_.SetFieldText(WIRESIZE, NumberText(state_.SIZEVALUE, format_));
    }

    void SolveLength() {
        state_.LENGTHM = CheckedDivide(CheckedMultiply(state_.AREA, state_.OHMS), COPPER_RHO);
        state_.LENGTHVALUE =
            RoundToSingle(ApplyConversion(state_.LENGTHM, LengthUnit(state_.LENGTHINDEX).fromBase));
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

const std::array<UnitConversion, 5> SIZE_UNITS{{
    {{Over(kCircularMilsPerSquareMillimetre), kUnchanged},
     {Times(kCircularMilsPerSquareMillimetre), kUnchanged}},
    {{Times(kSquareMillimetresPerSquareInch), kUnchanged},
     {Over(kSquareMillimetresPerSquareInch), kUnchanged}},
    {{Over(kSquareMilsPerSquareMillimetre), kUnchanged},
     {Times(kSquareMilsPerSquareMillimetre), kUnchanged}},
    {{Times(kCircularMilsPerKcmil), Over(kCircularMilsPerSquareMillimetre)},
     {Times(kCircularMilsPerSquareMillimetre), Over(kCircularMilsPerKcmil)}},
    {{kUnchanged, kUnchanged}, {kUnchanged, kUnchanged}},
}};

const std::array<UnitConversion, 7> LENGTH_UNITS{{
    {{Times(kMetresPerFoot), kUnchanged}, {Over(kMetresPerFoot), kUnchanged}},
    {{kUnchanged, kUnchanged}, {kUnchanged, kUnchanged}},
    {{Times(kMetresPerInch), kUnchanged}, {Over(kMetresPerInch), kUnchanged}},
    {{Over(kCentimetresPerMetre), kUnchanged}, {Times(kCentimetresPerMetre), kUnchanged}},
    {{Times(kMetresPerYard), kUnchanged}, {Over(kMetresPerYard), kUnchanged}},
    {{Times(kMetresPerFoot), Times(kFeetPerMile)}, {Over(kMetresPerFoot), Over(kFeetPerMile)}},
    {{Times(kMetresPerKilometre), kUnchanged}, {Over(kMetresPerKilometre), kUnchanged}},
}};

double ApplyConversion(double value, const Conversion& conversion) {
    for (const ConversionStep& step : conversion) {
        value = step.operation == Operation::Multiply ? CheckedMultiply(value, step.factor)
                                                      : CheckedDivide(value, step.factor);
    }
    return value;
}

void Calculate(CalculatorState& state, FieldAccess& fields, MessageSink& messages,
               const NumberFormat& format) {
    Press(state, fields, messages, format).Run();
}

}  // namespace varnel
