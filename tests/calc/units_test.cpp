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

TEST(NextSizeUnit, CyclesThroughTheSixUnits) {
    FakeWindow window("", "", "");
    CalculatorState state;
    std::vector<std::string> names;
    for (int press = 0; press < 6; ++press) {
        NextSizeUnit(state, window);
        names.push_back(window.GetFieldText(WIREUNIT));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CIRCULAR MILS", "SQUARE INCHES", "SQUARE MILS",
                                               "KCMIL or MCM", "SQUARE MILLIMETERS",
                                               "GUAGE(AWG - U.S.)"}));
    EXPECT_EQ(state.SIZEINDEX, 0);
}

TEST(NextLengthUnit, CyclesThroughTheSevenUnits) {
    FakeWindow window("", "", "");
    CalculatorState state;
    std::vector<std::string> names;
    for (int press = 0; press < 7; ++press) {
        NextLengthUnit(state, window);
        names.push_back(window.GetFieldText(LENGTHUNIT));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"METERS", "INCHES", "CENTIMETERS", "YARDS", "MILES",
                                               "KILOMETERS", "FEET"}));
    EXPECT_EQ(state.LENGTHINDEX, 0);
}

TEST(ApplyConversion, GoesStepByStep) {
    EXPECT_EQ(ApplyConversion(1.0, LengthUnitRow(LengthUnit::Miles).conversion.toBase),
              1.0 * 0.3048 * 5280.0);
    EXPECT_EQ(ApplyConversion(2.0, SizeUnitRow(SizeUnit::Kcmil).conversion->toBase),
              2.0 * 1000.0 / 1973.5);
}

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
