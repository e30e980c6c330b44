// The units of the wire size and of the length: one typed table per kind, indexed by its
// enum in the order the CHANGE buttons step through them. Each row holds the name written
// into the unit box and, for every unit but AWG, its conversions to and from the base unit
// (square millimetres or metres). Stepping a unit advances its index and writes the new
// unit's name into its unit box; it converts no number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calculator_state.h"
#include "fields.h"

namespace varnel {

// The wire-size units in the order of their cycle; the value is the state's SIZEINDEX.
enum class SizeUnit : std::int16_t {
    Awg,
    CircularMils,
    SquareInches,
    SquareMils,
    Kcmil,
    SquareMillimetres,
};

// The length units in the order of their cycle; the value is the state's LENGTHINDEX.
enum class LengthUnit : std::int16_t {
    Feet,
    Metres,
    Inches,
    Centimetres,
    Yards,
    Miles,
    Kilometres,
};

inline constexpr std::size_t kSizeUnitCount = 6;
inline constexpr std::size_t kLengthUnitCount = 7;
static_assert(static_cast<std::size_t>(SizeUnit::SquareMillimetres) + 1 == kSizeUnitCount);
static_assert(static_cast<std::size_t>(LengthUnit::Kilometres) + 1 == kLengthUnitCount);

// One step of a unit conversion, applied to the running value.
struct ConversionStep {
    enum class Operation { Multiply, Divide };
    Operation operation;
    double factor;
};

// A unit conversion as steps carried out left to right, each one checked.
using Conversion = std::array<ConversionStep, 2>;

// A unit's two conversions: from the unit into the base unit and back. Unused steps
// multiply by 1.
struct UnitConversion {
    Conversion toBase;
    Conversion fromBase;
};

// Applies the steps in order, each through the checked arithmetic.
// ApplyConversion(2.0, kcmil's toBase) == 2.0 x 1000 / 1973.5.
double ApplyConversion(double value, const Conversion& conversion);

struct SizeUnitDefinition {
    SizeUnit unit;
    std::string_view name;                     // written into WIREUNIT
    std::optional<UnitConversion> conversion;  // none for AWG, which has formulas of its own
};

struct LengthUnitDefinition {
    LengthUnit unit;
    std::string_view name;  // written into LENGTHUNIT
    UnitConversion conversion;
};

// The wire-size units by SizeUnit, in cycle order.
extern const std::array<SizeUnitDefinition, kSizeUnitCount> SIZE_UNITS;

// The length units by LengthUnit, in cycle order.
extern const std::array<LengthUnitDefinition, kLengthUnitCount> LENGTH_UNITS;

// The unit a state index names, or nullopt for an index outside the cycle (which no press
// sets). SizeUnitAt(4) == SizeUnit::Kcmil, SizeUnitAt(6) == nullopt.
std::optional<SizeUnit> SizeUnitAt(std::int16_t index);
std::optional<LengthUnit> LengthUnitAt(std::int16_t index);

// The row of a unit. SizeUnitRow(SizeUnit::Kcmil).name == "KCMIL or MCM".
const SizeUnitDefinition& SizeUnitRow(SizeUnit unit);
const LengthUnitDefinition& LengthUnitRow(LengthUnit unit);

// A calculator state as the window opens it, with these units selected.
// StateWithUnits(SizeUnit::Kcmil, LengthUnit::Miles).SIZEINDEX == 4.
CalculatorState StateWithUnits(SizeUnit sizeUnit, LengthUnit lengthUnit);

// Advances SIZEINDEX (5 wraps to 0) and writes its name into WIREUNIT.
// From AWG, one step writes "CIRCULAR MILS".
void NextSizeUnit(CalculatorState& state, FieldAccess& fields);

// Advances LENGTHINDEX (6 wraps to 0) and writes its name into LENGTHUNIT.
// From feet, one step writes "METERS".
void NextLengthUnit(CalculatorState& state, FieldAccess& fields);

}  // namespace varnel
