#include "units.h"

#include <string>

#include "checked_arithmetic.h"

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
constexpr UnitConversion kBaseUnit{{kUnchanged, kUnchanged}, {kUnchanged, kUnchanged}};

// A unit worth `factor` base units (TimesFactor), or a base unit worth `factor` units
// (OverFactor).
constexpr UnitConversion TimesFactor(double factor) {
    return {{Times(factor), kUnchanged}, {Over(factor), kUnchanged}};
}
constexpr UnitConversion OverFactor(double factor) {
    return {{Over(factor), kUnchanged}, {Times(factor), kUnchanged}};
}

constexpr double kCircularMilsPerSquareMillimetre = 1973.5;
constexpr double kSquareMillimetresPerSquareInch = 645.16;
constexpr double kSquareMilsPerSquareMillimetre = 1550.0031000062;
constexpr double kCircularMilsPerKcmil = 1000.0;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kFeetPerMile = 5280.0;
constexpr double kMetresPerInch = 0.0254;
constexpr double kCentimetresPerMetre = 100.0;
constexpr double kMetresPerYard = 0.9144;
constexpr double kMetresPerKilometre = 1000.0;

// kcmil goes through circular mils, miles through feet, each step checked on its own.
constexpr UnitConversion kKcmil{
    {Times(kCircularMilsPerKcmil), Over(kCircularMilsPerSquareMillimetre)},
    {Times(kCircularMilsPerSquareMillimetre), Over(kCircularMilsPerKcmil)}};
constexpr UnitConversion kMiles{{Times(kMetresPerFoot), Times(kFeetPerMile)},
                                {Over(kMetresPerFoot), Over(kFeetPerMile)}};

template <typename Table>
constexpr bool InCycleOrder(const Table& table) {
    for (std::size_t index = 0; index < table.size(); ++index) {
        if (static_cast<std::size_t>(table[index].unit) != index) {
            return false;
        }
    }
    return true;
}

// The index after the given one in a cycle of unitCount units.
std::int16_t NextIndex(std::int16_t index, std::size_t unitCount) {
    auto next = static_cast<std::int16_t>(index + 1);
    return next < 0 || next >= static_cast<std::int16_t>(unitCount) ? std::int16_t{0} : next;
}

template <typename Unit>
std::optional<Unit> UnitAt(std::int16_t index, std::size_t unitCount) {
    if (index < 0 || static_cast<std::size_t>(index) >= unitCount) {
        return std::nullopt;
    }
    return static_cast<Unit>(index);
}

}  // namespace

// "GUAGE(AWG - U.S.)", the name AWG gets after a full cycle, is kept in the spelling, case and
// spacing users have always seen (the window opens with "Guage (AWG - U.S.)"): do not correct.
constexpr std::array<SizeUnitDefinition, kSizeUnitCount> SIZE_UNITS{{
    {SizeUnit::Awg, "GUAGE(AWG - U.S.)", std::nullopt},
    {SizeUnit::CircularMils, "CIRCULAR MILS", OverFactor(kCircularMilsPerSquareMillimetre)},
    {SizeUnit::SquareInches, "SQUARE INCHES", TimesFactor(kSquareMillimetresPerSquareInch)},
    {SizeUnit::SquareMils, "SQUARE MILS", OverFactor(kSquareMilsPerSquareMillimetre)},
    {SizeUnit::Kcmil, "KCMIL or MCM", kKcmil},
    {SizeUnit::SquareMillimetres, "SQUARE MILLIMETERS", kBaseUnit},
}};

constexpr std::array<LengthUnitDefinition, kLengthUnitCount> LENGTH_UNITS{{
    {LengthUnit::Feet, "FEET", TimesFactor(kMetresPerFoot)},
    {LengthUnit::Metres, "METERS", kBaseUnit},
    {LengthUnit::Inches, "INCHES", TimesFactor(kMetresPerInch)},
    {LengthUnit::Centimetres, "CENTIMETERS", OverFactor(kCentimetresPerMetre)},
    {LengthUnit::Yards, "YARDS", TimesFactor(kMetresPerYard)},
    {LengthUnit::Miles, "MILES", kMiles},
    {LengthUnit::Kilometres, "KILOMETERS", TimesFactor(kMetresPerKilometre)},
}};

static_assert(InCycleOrder(SIZE_UNITS), "SIZE_UNITS row i holds SizeUnit i");
static_assert(InCycleOrder(LENGTH_UNITS), "LENGTH_UNITS row i holds LengthUnit i");

double ApplyConversion(double value, const Conversion& conversion) {
    for (const ConversionStep& step : conversion) {
        value = step.operation == Operation::Multiply ? CheckedMultiply(value, step.factor)
                                                      : CheckedDivide(value, step.factor);
    }
    return value;
}

std::optional<SizeUnit> SizeUnitAt(std::int16_t index) {
    return UnitAt<SizeUnit>(index, kSizeUnitCount);
}

std::optional<LengthUnit> LengthUnitAt(std::int16_t index) {
    return UnitAt<LengthUnit>(index, kLengthUnitCount);
}

const SizeUnitDefinition& SizeUnitRow(SizeUnit unit) {
    return SIZE_UNITS[static_cast<std::size_t>(unit)];
}

const LengthUnitDefinition& LengthUnitRow(LengthUnit unit) {
    return LENGTH_UNITS[static_cast<std::size_t>(unit)];
}

CalculatorState StateWithUnits(SizeUnit sizeUnit, LengthUnit lengthUnit) {
    CalculatorState state;
    state.SIZEINDEX = static_cast<std::int16_t>(sizeUnit);
    state.LENGTHINDEX = static_cast<std::int16_t>(lengthUnit);
    return state;
}

void NextSizeUnit(CalculatorState& state, FieldAccess& fields) {
    state.SIZEINDEX = NextIndex(state.SIZEINDEX, kSizeUnitCount);
    fields.SetFieldText(WIREUNIT, std::string(SizeUnitRow(*SizeUnitAt(state.SIZEINDEX)).name));
}

void NextLengthUnit(CalculatorState& state, FieldAccess& fields) {
    state.LENGTHINDEX = NextIndex(state.LENGTHINDEX, kLengthUnitCount);
    fields.SetFieldText(LENGTHUNIT,
                        std::string(LengthUnitRow(*LengthUnitAt(state.LENGTHINDEX)).name));
}

}  // namespace varnel
