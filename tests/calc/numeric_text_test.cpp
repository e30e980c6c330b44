#include "numeric_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "case_table.h"
#include "number_formats.h"

namespace varnel {
namespace {

using namespace testing;

struct ReadingCase : NamedCase {
    std::string text;
    NumberFormat format;
    bool numeric;
    double value;
};

class NumberReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReading, AcceptsExactlyTheNumberGrammar) {
    const ReadingCase& c = GetParam();
    EXPECT_EQ(IsNumericText(c.text, c.format), c.numeric);
    EXPECT_EQ(TextToDouble(c.text, c.format), c.value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    ::testing::Values(
        ReadingCase{"Integer", "52", kPeriod, true, 52.0},
        ReadingCase{"Decimal", "0.5", kPeriod, true, 0.5},
        ReadingCase{"LeadingSeparator", ".5", kPeriod, true, 0.5},
        ReadingCase{"TrailingSeparator", "5.", kPeriod, true, 5.0},
        ReadingCase{"SpacesAndTabsAround", " \t 7 \t", kPeriod, true, 7.0},
        ReadingCase{"PlusSign", "+3", kPeriod, true, 3.0},
        ReadingCase{"MinusSign", "-3.25", kPeriod, true, -3.25},
        ReadingCase{"TypographicMinus", "\u22125", kPeriod, true, -5.0},
        ReadingCase{"TypographicMinusInExponent", "1.5E\u221207", kPeriod, true, 1.5e-7},
        ReadingCase{"Exponent", "1.5e3", kPeriod, true, 1500.0},
        ReadingCase{"CapitalExponentWithSign", "25E-1", kPeriod, true, 2.5},
        ReadingCase{"LeadingZeros", "007", kPeriod, true, 7.0},
        ReadingCase{"Grouped", "1,234,567.5", kPeriod, true, 1234567.5},
        ReadingCase{"CommaLocaleDecimal", "2,5", kComma, true, 2.5},
        ReadingCase{"CommaLocaleLeadingSeparator", ",5", kComma, true, 0.5},
        ReadingCase{"CommaLocaleGrouped", "1.000,25", kComma, true, 1000.25},
        ReadingCase{"NoBreakSpaceGroups", "12\u00A0345,5", kCommaNoBreakSpace, true, 12345.5},
        ReadingCase{"UnderflowIsZero", "1e-400", kPeriod, true, 0.0},
        ReadingCase{"UnderflowKeepsSubnormal", "5e-324", kPeriod, true, 5e-324},
        ReadingCase{"LargestDouble", "1.7976931348623157e308", kPeriod, true, std::numeric_limits<double>::max()},
        ReadingCase{"ManyZerosBeforeSmallExponent", "0.000001e-320", kPeriod, true, 0.0},
        ReadingCase{"Empty", "", kPeriod, false, 0.0},
        ReadingCase{"SpacesOnly", "   ", kPeriod, false, 0.0},
        ReadingCase{"SignOnly", "-", kPeriod, false, 0.0},
        ReadingCase{"SeparatorOnly", ".", kPeriod, false, 0.0},
        ReadingCase{"IncompleteExponent", "1e", kPeriod, false, 0.0},
        ReadingCase{"ExponentWithoutMantissa", "e5", kPeriod, false, 0.0},
        ReadingCase{"Overflow", "1e400", kPeriod, false, 0.0},
        ReadingCase{"NegativeOverflow", "-1e400", kPeriod, false, 0.0},
        ReadingCase{"OverflowByLongMantissa", std::string(400, '9'), kPeriod, false, 0.0},
        ReadingCase{"Infinity", "inf", kPeriod, false, 0.0},
        ReadingCase{"NotANumber", "nan", kPeriod, false, 0.0},
        ReadingCase{"HexFloat", "0x10", kPeriod, false, 0.0},
        ReadingCase{"TrailingText", "10 ft", kPeriod, false, 0.0},
        ReadingCase{"InnerSpace", "1 000", kPeriod, false, 0.0},
        ReadingCase{"TwoSeparators", "1.2.3", kPeriod, false, 0.0},
        ReadingCase{"TwoSigns", "--1", kPeriod, false, 0.0},
        ReadingCase{"GaugeName", "1/0", kPeriod, false, 0.0},
        ReadingCase{"CommaInPeriodLocale", "2,5", kPeriod, false, 0.0},
        ReadingCase{"PeriodInCommaLocale", "2.5", kComma, false, 0.0},
        ReadingCase{"GroupOfTwo", "1,00", kPeriod, false, 0.0},
        ReadingCase{"FirstGroupOfFour", "1000,000", kPeriod, false, 0.0},
        ReadingCase{"FirstGroupStartsWithZero", "0,100", kPeriod, false, 0.0},
        ReadingCase{"GroupInFraction", "1.000,000", kPeriod, false, 0.0},
        ReadingCase{"GroupWithoutDigitsBefore", ",100", kPeriod, false, 0.0},
        ReadingCase{"NoBreakSpaceAfterNumber", "5\u00A0", kCommaNoBreakSpace, false, 0.0},
        ReadingCase{"NulByte", std::string("1\0" "2", 3), kPeriod, false, 0.0},
        ReadingCase{"InvalidUtf8", "1\xff", kPeriod, false, 0.0}),
    CaseName());
// clang-format on

// Digit groups as people type them: any space-like separator where the locale groups with
// one, the ASCII apostrophe where it groups with U+2019; the groups rule itself unchanged.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    TypedGroupSeparators, NumberReading,
    ::testing::Values(
        ReadingCase{"FrenchNarrowNoBreakSpace", "1\u202F000,5", kFrench, true, 1000.5},
        ReadingCase{"FrenchNoBreakSpace", "1\u00A0000", kFrench, true, 1000.0},
        ReadingCase{"FrenchSpace", "1 000", kFrench, true, 1000.0},
        ReadingCase{"FrenchMixedSpaces", "1 000\u00A0000\u202F000", kFrench, true, 1e9},
        ReadingCase{"FrenchSpaceGroupOfTwo", "1 00", kFrench, false, 0.0},
        ReadingCase{"FrenchSpaceFirstGroupOfFour", "1000 000", kFrench, false, 0.0},
        ReadingCase{"FrenchSpaceInFraction", "1,000 000", kFrench, false, 0.0},
        ReadingCase{"NoBreakSpaceLocaleTakesSpace", "12 345,5", kCommaNoBreakSpace, true, 12345.5},
        ReadingCase{"SwissRightQuote", "100\u2019000", kSwissGerman, true, 100000.0},
        ReadingCase{"SwissApostrophe", "100'000.5", kSwissGerman, true, 100000.5},
        ReadingCase{"SwissApostropheGroupOfTwo", "1'00", kSwissGerman, false, 0.0},
        ReadingCase{"SwissSpaceIsNoGroup", "100 000", kSwissGerman, false, 0.0},
        ReadingCase{"PeriodLocaleSpaceIsNoGroup", "1 000", kPeriod, false, 0.0},
        ReadingCase{"PeriodLocaleApostropheIsNoGroup", "1'000", kPeriod, false, 0.0},
        ReadingCase{"CommaLocaleSpaceIsNoGroup", "1 000", kComma, false, 0.0}),
    CaseName());
// clang-format on

TEST(NumberReading, ReadsMegabyteTextsWhole) {
    std::string digits(1 << 20, '1');
    EXPECT_FALSE(IsNumericText(digits, kPeriod));
    std::string zeros = "0." + std::string(1 << 20, '0') + "1e5";
    EXPECT_TRUE(IsNumericText(zeros, kPeriod));
    EXPECT_EQ(TextToDouble("1e" + std::string(1 << 20, '0') + "1", kPeriod), 10.0);
}

struct DoubleTextCase : NamedCase {
    double value;
    NumberFormat format;
    std::string text;
};

class DoubleNumberText : public ::testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleNumberText, WritesFifteenSignificantDigits) {
    EXPECT_EQ(NumberText(GetParam().value, GetParam().format), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, DoubleNumberText,
    ::testing::Values(
        DoubleTextCase{"Zero", 0.0, kPeriod, " 0"},
        DoubleTextCase{"Decimal", 52.6, kPeriod, " 52.6"},
        DoubleTextCase{"Negative", -2.0, kPeriod, "-2"},
        DoubleTextCase{"Half", 0.5, kPeriod, " 0.5"},
        DoubleTextCase{"SmallestFixed", 0.0001, kPeriod, " 0.0001"},
        DoubleTextCase{"BelowFixed", 5e-5, kPeriod, " 5E-05"},
        DoubleTextCase{"RoundsToFifteenDigits", 0.1 + 0.2, kPeriod, " 0.3"},
        DoubleTextCase{"LargestFixed", 999999999999999.0, kPeriod, " 999999999999999"},
        DoubleTextCase{"RoundsUpToExponentForm", 9999999999999999.0, kPeriod, " 1E+16"},
        DoubleTextCase{"SmallestExponentForm", 1e15, kPeriod, " 1E+15"},
        DoubleTextCase{"ExponentDigits", 9.99933914041482e35, kPeriod, " 9.99933914041482E+35"},
        DoubleTextCase{"ThreeExponentDigits", -1.5e-300, kPeriod, "-1.5E-300"},
        DoubleTextCase{"Subnormal", 5e-324, kPeriod, " 4.94065645841247E-324"},
        DoubleTextCase{"CommaLocale", 1234.5, kComma, " 1234,5"},
        DoubleTextCase{"CommaLocaleExponent", 2.5e20, kComma, " 2,5E+20"}),
    CaseName());
// clang-format on

struct SingleTextCase : NamedCase {
    float value;
    std::string text;
};

class SingleNumberText : public ::testing::TestWithParam<SingleTextCase> {};

TEST_P(SingleNumberText, WritesSevenSignificantDigits) {
    EXPECT_EQ(NumberText(GetParam().value, kPeriod), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, SingleNumberText,
    ::testing::Values(
        SingleTextCase{"Thousand", 1000.0f, " 1000"},
        SingleTextCase{"SevenDigits", 1002.381f, " 1002.381"},
        SingleTextCase{"Tenth", 0.1f, " 0.1"},
        SingleTextCase{"LargestFixed", 9999999.0f, " 9999999"},
        SingleTextCase{"SmallestExponentForm", 1e7f, " 1E+07"},
        SingleTextCase{"LargestSingle", std::numeric_limits<float>::max(), " 3.402823E+38"}),
    CaseName());
// clang-format on

TEST(NumberText, WrittenTextReadsBackInTheSameLocale) {
    for (const NumberFormat& format : {kPeriod, kComma, kCommaNoBreakSpace}) {
        for (double value : {0.999933931240995, 1.5e-7, 123456789012345.0, 2.5e300}) {
            std::string text = NumberText(value, format);
            ASSERT_TRUE(IsNumericText(text, format)) << text;
            EXPECT_EQ(NumberText(TextToDouble(text, format), format), text);
        }
    }
}

TEST(HeaderExamples, HoldAsWritten) {
    EXPECT_TRUE(IsNumericText(" 1.234,5e1 ", kComma));
    EXPECT_FALSE(IsNumericText("1.5", kComma));
    EXPECT_EQ(TextToDouble("-1,000.5", kPeriod), -1000.5);
    EXPECT_EQ(ReadPositiveNumber("2.5", kPeriod), 2.5);
    EXPECT_EQ(ReadPositiveNumber("0", kPeriod), std::nullopt);
    EXPECT_EQ(ReadPositiveNumber("-1", kPeriod), std::nullopt);
    EXPECT_EQ(NumberText(52.6, kPeriod), " 52.6");
    EXPECT_EQ(NumberText(1000.0f, kPeriod), " 1000");
    EXPECT_EQ(NumberText(5e-5, kPeriod), " 5E-05");
}

}  // namespace
}  // namespace varnel
