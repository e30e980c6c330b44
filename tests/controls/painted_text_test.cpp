#include "painted_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "case_table.h"

namespace varnel::window {

void PrintTo(const PaintedText& painted, std::ostream* os) {
    *os << painted.text.size() << " UTF-16 units at " << painted.pointSize << " pt";
}

namespace {

using varnel::testing::CaseName;
using varnel::testing::NamedCase;

// A face in which every character is 1 pixel wide at 9 points, and proportionally at others.
double CharacterCount(std::u16string_view text, double pointSize) {
    return std::ceil(static_cast<double>(text.size()) * pointSize / 9);
}

struct PaintedCase : NamedCase {
    const char16_t* text;
    const char16_t* decimal;
    int room;
    const char16_t* painted;
    double pointSize;
};

class Painted : public ::testing::TestWithParam<PaintedCase> {};

TEST_P(Painted, KeepsTheSignTheWholePartAndTheExponent) {
    const PaintedCase& c = GetParam();
    PaintedText painted = PaintedIn(c.text, c.decimal, c.room, 9, CharacterCount);
    EXPECT_EQ(painted, (PaintedText{c.painted, c.pointSize}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextsAndWidths, Painted,
    ::testing::Values(
        PaintedCase{"FitsWhole", u" 10", u".", 5, u" 10", 9},
        PaintedCase{"FitsExactly", u"12345", u".", 5, u"12345", 9},
        PaintedCase{"SquareInches", u" 8.15247859090051E-06", u".", 14, u"8.1524785…E-06", 9},
        PaintedCase{"LengthInInches", u" 1.197236E+07", u".", 12, u"1.19723…E+07", 9},
        PaintedCase{"PlainResultCutAtTheEnd", u" 10.0015539455252", u".", 10, u"10.001553…", 9},
        PaintedCase{"NoSeparatorBeforeTheEllipsis", u" 8.15247859090051E-06", u".", 6, u"8…E-06", 9},
        PaintedCase{"FaceReducedForTheExponent", u" 8.15247859090051E-06", u".", 5, u"8…E-06", 7.5},
        PaintedCase{"SignKept", u"-123456.789e-300", u".", 12, u"-123456…e-300", 8.25},
        PaintedCase{"CommaSeparatorKeepsGroups", u"1.000,123456", u",", 8, u"1.000,1…", 9},
        PaintedCase{"LongIntegerShownWholeInASmallerFace", u"12345678", u".", 7, u"12345678", 7.75},
        PaintedCase{"ApostropheGroupsInTheHead", u"1’234’567.891", u".", 12, u"1’234’567.8…", 9},
        PaintedCase{"NarrowSpaceGroupsInTheHead", u"1\u202F234,5678", u",", 8, u"1\u202F234,5…", 9},
        PaintedCase{"AccentedLetterEndsTheHead", u"123é4567", u".", 6, u"123é4…", 9},
        PaintedCase{"JunkKeepsItsStart", u"ABCDEFGHIJKLMNOP", u".", 6, u"ABCDE…", 9},
        PaintedCase{"BeyondTheSmallestFaceKeepsTheStart", u"1234567890123456789012345", u".", 10, u"12345678901234…", 6}),
    CaseName());
// clang-format on

struct FittedCase : NamedCase {
    double room;
    double pointSize;
};

class Fitted : public ::testing::TestWithParam<FittedCase> {};

TEST_P(Fitted, TakesTheLargestQuarterPointFaceInWhichEveryTextFits) {
    EXPECT_EQ(FittedFaceSize({u"FEET", u"METERS"}, GetParam().room, 9, CharacterCount),
              GetParam().pointSize);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rooms, Fitted,
    ::testing::Values(
        FittedCase{"AllFitInTheBoxFace", 6, 9},
        FittedCase{"ShrunkToTheLargestThatFits", 5, 7.5},
        FittedCase{"NeverBelowSixPoints", 2, 6}),
    CaseName());
// clang-format on

}  // namespace
}  // namespace varnel::window
