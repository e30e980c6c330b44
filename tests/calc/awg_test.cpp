#include "awg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "case_table.h"
#include "checked_arithmetic.h"
#include "number_formats.h"

namespace varnel {
namespace {

using namespace testing;

struct GaugeReadingCase : NamedCase {
    std::string text;
    NumberFormat format;
    std::optional<double> gauge;
};

class GaugeReading : public ::testing::TestWithParam<GaugeReadingCase> {};

TEST_P(GaugeReading, AcceptsPositiveNumbersAndTheZeroGaugeNames) {
    EXPECT_EQ(ParseGauge(GetParam().text, GetParam().format), GetParam().gauge);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, GaugeReading,
    ::testing::Values(
        GaugeReadingCase{"Whole", "10", kPeriod, 10.0},
        GaugeReadingCase{"Fraction", "10.5", kPeriod, 10.5},
        GaugeReadingCase{"BeyondTheUsualRange", "500", kPeriod, 500.0},
        GaugeReadingCase{"CommaLocaleFraction", "10,5", kComma, 10.5},
        GaugeReadingCase{"OneZero", "0", kPeriod, 0.0},
        GaugeReadingCase{"OneOught", "1/0", kPeriod, 0.0},
        GaugeReadingCase{"TwoZeros", "00", kPeriod, -1.0},
        GaugeReadingCase{"TwoOught", "2/0", kPeriod, -1.0},
        GaugeReadingCase{"ThreeZeros", "000", kPeriod, -2.0},
        GaugeReadingCase{"ThreeOught", "3/0", kPeriod, -2.0},
        GaugeReadingCase{"FourZeros", "0000", kPeriod, -3.0},
        GaugeReadingCase{"FourOught", "4/0", kPeriod, -3.0},
        GaugeReadingCase{"NameWithLeadingSpace", " 1/0", kPeriod, std::nullopt},
        GaugeReadingCase{"NameWithTrailingSpace", "4/0 ", kPeriod, std::nullopt},
        GaugeReadingCase{"ZerosWithTrailingTab", "00\t", kPeriod, std::nullopt},
        GaugeReadingCase{"LetterO", "1/O", kPeriod, std::nullopt},
        GaugeReadingCase{"TwoOverZeroZero", "2/00", kPeriod, std::nullopt},
        GaugeReadingCase{"FiveZeros", "00000", kPeriod, std::nullopt},
        GaugeReadingCase{"ZeroWithDecimals", "0.0", kPeriod, std::nullopt},
        GaugeReadingCase{"Negative", "-1", kPeriod, std::nullopt},
        GaugeReadingCase{"CommaInPeriodLocale", "2,5", kPeriod, std::nullopt},
        GaugeReadingCase{"CommaOnlyFractionIsNoZeroGauge", ",5", kComma, 0.5}),
    CaseName());
// clang-format on

struct GaugeTextCase : NamedCase {
    double gauge;
    std::string text;
};

class GaugeDisplay : public ::testing::TestWithParam<GaugeTextCase> {};

TEST_P(GaugeDisplay, ShowsTheBandOfTheGauge) {
    EXPECT_EQ(GaugeText(GetParam().gauge, kPeriod), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Bands, GaugeDisplay,
    ::testing::Values(
        GaugeTextCase{"Numeric", 10.0000123, " 10.0000123"},
        GaugeTextCase{"NumericLowerBound", 0.95, " 0.95"},
        GaugeTextCase{"OneOughtUpper", 0.9499, "1/0"},
        GaugeTextCase{"OneOughtLowerBound", 0.03, "1/0"},
        GaugeTextCase{"TwoOughtAboveZero", 0.0299, "2/0"},
        GaugeTextCase{"TwoOughtLowerBound", -1.1, "2/0"},
        GaugeTextCase{"ThreeOught", -1.1001, "3/0"},
        GaugeTextCase{"ThreeOughtLowerBound", -2.1, "3/0"},
        GaugeTextCase{"FourOught", -2.13, "4/0"},
        GaugeTextCase{"FourOughtLowerBound", -3.15, "4/0"},
        GaugeTextCase{"NoAwgSize", -3.1501, "NO AWG SIZE"}),
    CaseName());
// clang-format on

struct RoundTripCase : NamedCase {
    double gauge;
    double solvedGauge;
    std::string text;
};

class GaugeRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(GaugeRoundTrip, ComesBackUnderItsName) {
    double solved = AreaToGauge(GaugeToArea(GetParam().gauge));
    EXPECT_NEAR(solved, GetParam().solvedGauge, 0.005);
    EXPECT_EQ(GaugeText(solved, kPeriod), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ZeroGauges, GaugeRoundTrip,
    ::testing::Values(
        RoundTripCase{"OneOught", 0.0, 0.07, "1/0"},
        RoundTripCase{"TwoOught", -1.0, -0.92, "2/0"},
        RoundTripCase{"ThreeOught", -2.0, -1.91, "3/0"},
        RoundTripCase{"FourOught", -3.0, -2.91, "4/0"},
        RoundTripCase{"Ten", 10.0, 10.0013, " 10.0012689673405"}),
    CaseName());
// clang-format on

struct SolvedAreaCase : NamedCase {
    float area;
    std::string text;
};

class SolvedAreaDisplay : public ::testing::TestWithParam<SolvedAreaCase> {};

TEST_P(SolvedAreaDisplay, ShowsTheSizeOfTheCrossSection) {
    EXPECT_EQ(GaugeText(AreaToGauge(GetParam().area), kPeriod), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Areas, SolvedAreaDisplay,
    ::testing::Values(
        SolvedAreaCase{"TooThick", 131.0f, "NO AWG SIZE"},
        SolvedAreaCase{"FourOught", 87.7f, "4/0"},
        SolvedAreaCase{"TwoOught", 65.7f, "2/0"}),
    CaseName());
// clang-format on

TEST(HeaderExamples, HoldAsWritten) {
    EXPECT_EQ(ParseGauge("10.5", kPeriod), 10.5);
    EXPECT_EQ(ParseGauge("2/0", kPeriod), -1.0);
    EXPECT_EQ(ParseGauge(" 1/0", kPeriod), std::nullopt);
    EXPECT_EQ(GaugeToArea(10.0), 5.2600007f);
    EXPECT_NEAR(AreaToGauge(GaugeToArea(0.0)), 0.07, 0.005);
    EXPECT_EQ(GaugeText(-0.92, kPeriod), "2/0");
}

TEST(GaugeToArea, FollowsTheGaugeFormula) {
    EXPECT_NEAR(GaugeToArea(10.0), 5.26, 0.005);
    EXPECT_NEAR(GaugeToArea(0.0), 52.6, 0.05);
    EXPECT_NEAR(GaugeToArea(-3.0), 105.0, 0.5);
    EXPECT_EQ(GaugeToArea(500.0), 0.0f);
    EXPECT_GT(GaugeToArea(400.0), 0.0f);
    EXPECT_THROW(GaugeToArea(-400.0), ArithmeticFault);
}

// The table of how far the gauge formula is from the AWG definition, as docs/design.md gives it:
// the cross-section used, the definition's (diameter 0.005 in x 92^((36 - n) / 39)), both in
// square millimetres to five digits, and the difference in percent to two decimals.
struct AccuracyCase : NamedCase {
    double gauge;
    double usedArea;
    double definedArea;
    double differencePercent;
};

double DefinedArea(double gauge) {
    double diameterInches = 0.005 * std::pow(92.0, (36.0 - gauge) / 39.0);
    return std::numbers::pi / 4.0 * diameterInches * diameterInches * 645.16;
}

class GaugeAccuracy : public ::testing::TestWithParam<AccuracyCase> {};

TEST_P(GaugeAccuracy, IsTheDesignNotesTable) {
    const AccuracyCase& c = GetParam();
    double used = GaugeToArea(c.gauge);
    EXPECT_NEAR(used, c.usedArea, c.usedArea * 5e-5);
    EXPECT_NEAR(DefinedArea(c.gauge), c.definedArea, c.definedArea * 5e-5);
    EXPECT_NEAR((used - DefinedArea(c.gauge)) / DefinedArea(c.gauge) * 100.0, c.differencePercent,
                0.005);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DesignNotes, GaugeAccuracy,
    ::testing::Values(
        AccuracyCase{"FourOught", -3.0, 104.95, 107.22, -2.12},
        AccuracyCase{"OneOught", 0.0, 52.600, 53.475, -1.64},
        AccuracyCase{"Ten", 10.0, 5.2600, 5.2612, -0.02},
        AccuracyCase{"Twenty", 20.0, 0.52600, 0.51762, 1.62},
        AccuracyCase{"Thirty", 30.0, 0.052600, 0.050926, 3.29},
        AccuracyCase{"Forty", 40.0, 0.0052600, 0.0050104, 4.98}),
    CaseName());
// clang-format on

TEST(GaugeAccuracy, PublishedOneOughtSolvesToTwoOught) {
    EXPECT_EQ(GaugeText(AreaToGauge(53.49f), kPeriod), "2/0");
}

TEST(AreaToGauge, FaultsOnNoCrossSection) {
    try {
        AreaToGauge(0.0f);
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::DivisionByZero);
    }
}

}  // namespace
}  // namespace varnel
