#include "painted_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "case_table.h"

namespace varnel::window {

void PrintTo(const PaintedText& painted, std::ostream* os) {
    *os << '"' << painted.text.toStdString() << "\" at " << painted.pointSize << " pt";
}

namespace {

using varnel::testing::CaseName;
using varnel::testing::NamedCase;

// A face in which every character is 1 pixel wide at 9 points, and proportionally at others.
int CharacterCount(const QString& text, double pointSize) {
    return static_cast<int>(std::ceil(static_cast<double>(text.size()) * pointSize / 9));
}

struct PaintedCase : NamedCase {
    const char* text;
    const char* decimal;
    int room;
    const char* painted;
    double pointSize;
};

class Painted : public ::testing::TestWithParam<PaintedCase> {};

TEST_P(Painted, KeepsTheSignTheWholePartAndTheExponent) {
    const PaintedCase& c = GetParam();
    PaintedText painted = PaintedIn(QString::fromUtf8(c.text), QString::fromUtf8(c.decimal), c.room,
                                    9, CharacterCount);
    EXPECT_EQ(painted, (PaintedText{QString::fromUtf8(c.painted), c.pointSize}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TextsAndWidths, Painted,
    ::testing::Values(
        PaintedCase{"FitsWhole", " 10", ".", 5, " 10", 9},
        PaintedCase{"FitsExactly", "12345", ".", 5, "12345", 9},
        PaintedCase{"SquareInches", " 8.15247859090051E-06", ".", 14, "8.1524785…E-06", 9},
        PaintedCase{"LengthInInches", " 1.197236E+07", ".", 12, "1.19723…E+07", 9},
        PaintedCase{"PlainResultCutAtTheEnd", " 10.0015539455252", ".", 10, "10.001553…", 9},
        PaintedCase{"NoSeparatorBeforeTheEllipsis", " 8.15247859090051E-06", ".", 6, "8…E-06", 9},
        PaintedCase{"FaceReducedForTheExponent", " 8.15247859090051E-06", ".", 5, "8…E-06", 7.5},
        PaintedCase{"SignKept", "-123456.789e-300", ".", 12, "-123456…e-300", 8.25},
        PaintedCase{"CommaSeparatorKeepsGroups", "1.000,123456", ",", 8, "1.000,1…", 9},
        PaintedCase{"LongIntegerShownWholeInASmallerFace", "12345678", ".", 7, "12345678", 7.75},
        PaintedCase{"JunkKeepsItsStart", "ABCDEFGHIJKLMNOP", ".", 6, "ABCDE…", 9},
        PaintedCase{"BeyondTheSmallestFaceKeepsTheStart", "1234567890123456789012345", ".", 10, "12345678901234…", 6}),
    CaseName());
// clang-format on

}  // namespace
}  // namespace varnel::window
