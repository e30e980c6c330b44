#include "units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window.h"

namespace varnel {
namespace {

using testing::FakeWindow;

const NumberFormat kPeriod{".", ","};

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
