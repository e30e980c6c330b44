#include "units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_table.h"
#include "fake_window.h"
#include "number_formats.h"

namespace varnel {
namespace {

using namespace testing;

// The names a unit box shows after each of `presses` steps.
std::vector<std::string> NamesAfterSteps(void (*step)(CalculatorState&, FieldAccess&),
                                         CalculatorState& state, std::string_view box,
                                         int presses) {
    FakeWindow window("", "", "");
    std::vector<std::string> names;
    for (int press = 0; press < presses; ++press) {
        step(state, window);
        names.push_back(window.GetFieldText(box));
    }
    return names;
}

TEST(NextSizeUnit, CyclesThroughTheSixUnits) {
    CalculatorState state;
    EXPECT_EQ(
        NamesAfterSteps(NextSizeUnit, state, WIREUNIT, 6),
        (std::vector<std::string>{"CIRCULAR MILS", "SQUARE INCHES", "SQUARE MILS", "KCMIL or MCM",
                                  "SQUARE MILLIMETERS", "GUAGE(AWG - U.S.)"}));
    EXPECT_EQ(state.SIZEINDEX, 0);
}

TEST(NextLengthUnit, CyclesThroughTheSevenUnits) {
    CalculatorState state;
    EXPECT_EQ(NamesAfterSteps(NextLengthUnit, state, LENGTHUNIT, 7),
              (std::vector<std::string>{"METERS", "INCHES", "CENTIMETERS", "YARDS", "MILES",
                                        "KILOMETERS", "FEET"}));
    EXPECT_EQ(state.LENGTHINDEX, 0);
}

// One of a unit in the base unit, as standards define it (a circular mil is the area of a
// circle one mil across, π/4 square mils); a table may round it to five significant digits.
struct ConversionCase : NamedCase {
    std::optional<UnitConversion> conversion;
    double inBaseUnit;
};

class Conversions : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversions, GiveTheStandardValueAndComeBack) {
    const UnitConversion& conversion = *GetParam().conversion;
    double inBase = ApplyConversion(1.0, conversion.toBase);
    EXPECT_NEAR(inBase, GetParam().inBaseUnit, GetParam().inBaseUnit * 5e-5);
    EXPECT_DOUBLE_EQ(ApplyConversion(inBase, conversion.fromBase), 1.0);
    EXPECT_DOUBLE_EQ(ApplyConversion(ApplyConversion(7.25, conversion.toBase), conversion.fromBase),
                     7.25);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Units, Conversions,
    ::testing::Values(
        ConversionCase{"CircularMil", SizeUnitRow(SizeUnit::CircularMils).conversion, 5.067074790975e-4},
        ConversionCase{"SquareInch", SizeUnitRow(SizeUnit::SquareInches).conversion, 645.16},
        ConversionCase{"SquareMil", SizeUnitRow(SizeUnit::SquareMils).conversion, 6.4516e-4},
        ConversionCase{"Kcmil", SizeUnitRow(SizeUnit::Kcmil).conversion, 0.5067074790975},
        ConversionCase{"SquareMillimetre", SizeUnitRow(SizeUnit::SquareMillimetres).conversion, 1.0},
        ConversionCase{"Foot", LengthUnitRow(LengthUnit::Feet).conversion, 0.3048},
        ConversionCase{"Metre", LengthUnitRow(LengthUnit::Metres).conversion, 1.0},
        ConversionCase{"Inch", LengthUnitRow(LengthUnit::Inches).conversion, 0.0254},
        ConversionCase{"Centimetre", LengthUnitRow(LengthUnit::Centimetres).conversion, 0.01},
        ConversionCase{"Yard", LengthUnitRow(LengthUnit::Yards).conversion, 0.9144},
        ConversionCase{"Mile", LengthUnitRow(LengthUnit::Miles).conversion, 1609.344},
        ConversionCase{"Kilometre", LengthUnitRow(LengthUnit::Kilometres).conversion, 1000.0}),
    CaseName());
// clang-format on

TEST(UnitAt, NamesOnlyTheIndexesOfTheCycle) {
    EXPECT_EQ(SizeUnitAt(4), SizeUnit::Kcmil);
    EXPECT_EQ(LengthUnitAt(6), LengthUnit::Kilometres);
    for (int outside : {-32768, -1, 6, 32767}) {
        EXPECT_EQ(SizeUnitAt(static_cast<std::int16_t>(outside)), std::nullopt) << outside;
    }
    for (int outside : {-32768, -1, 7, 32767}) {
        EXPECT_EQ(LengthUnitAt(static_cast<std::int16_t>(outside)), std::nullopt) << outside;
    }
}

TEST(UnitSteps, ConvertNoNumberAndChangeHowTheNextPressReads) {
    FakeWindow window("10", "1000", "");
    CalculatorState state;
    NextSizeUnit(state, window);
    NextLengthUnit(state, window);
    EXPECT_EQ(window.GetFieldText(WIRESIZE), "10");
    EXPECT_EQ(window.GetFieldText(WIRELENGTH), "1000");
    Calculate(state, window, window, kPeriod);
    EXPECT_EQ(state.SIZEVALUE, 10.0);
    EXPECT_EQ(state.AREA, static_cast<float>(10.0 / 1973.5));
    EXPECT_EQ(state.LENGTHM, 1000.0);
}

}  // namespace
}  // namespace varnel
