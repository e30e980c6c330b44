#include "calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "case_table.h"
#include "fake_window.h"
#include "number_formats.h"
#include "typed_press.h"
#include "units.h"

namespace varnel {
namespace {

using namespace testing;
using enum SizeUnit;
using enum LengthUnit;

struct MessageCase : NamedCase {
    TypedPress input;
    std::string_view message;
};

class PressMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(PressMessages, AnswerOneMessage) {
    EXPECT_EQ(MessageOf(PressOnce(GetParam().input).outcome), GetParam().message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    BlankRule, PressMessages,
    ::testing::Values(
        MessageCase{"NoneBlank", {"10", "1000", "1"}, kNoFieldBlank},
        MessageCase{"AllBlank", {"", "", ""}, kAllFieldsBlank},
        MessageCase{"LengthAndResistanceBlank", {"10", "", ""}, kLengthAndResistanceBlank},
        MessageCase{"SizeAndResistanceBlank", {"", "1000", ""}, kSizeAndResistanceBlank},
        MessageCase{"SizeAndLengthBlank", {"", "", "1"}, kSizeAndLengthBlank},
        MessageCase{"OneSpaceIsFilled", {" ", "1000", "1"}, kNoFieldBlank},
        MessageCase{"OneTabIsFilled", {"10", "\t", "1"}, kNoFieldBlank},
        MessageCase{"NulByteIsFilled", {"10", "1000", std::string(1, '\0')}, kNoFieldBlank}),
    CaseName());
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Inputs, PressMessages,
    ::testing::Values(
        MessageCase{"SizeOfOneSpace", {" ", "1000", ""}, kSizeNotUnderstood},
        MessageCase{"SizeNotAGauge", {"1/O", "1000", ""}, kSizeNotUnderstood},
        MessageCase{"GaugeNameInCircularMils", {"1/0", "1000", "", CircularMils}, kSizeNotUnderstood},
        MessageCase{"SizeZero", {"0", "1000", "", SquareMillimetres}, kSizeNotUnderstood},
        MessageCase{"SizeNegative", {"-2", "1000", "", Kcmil}, kSizeNotUnderstood},
        MessageCase{"SizeOverflowingDouble", {"1e400", "1000", "", SquareMils}, kSizeNotUnderstood},
        MessageCase{"LengthZero", {"10", "0", ""}, kLengthNotUnderstood},
        MessageCase{"LengthNegative", {"10", "-5", ""}, kLengthNotUnderstood},
        MessageCase{"LengthText", {"10", "abc", ""}, kLengthNotUnderstood},
        MessageCase{"LengthWithUnit", {"", "10 ft", "1"}, kLengthNotUnderstood},
        MessageCase{"ResistanceZero", {"10", "", "0"}, kResistanceNotUnderstood},
        MessageCase{"ResistanceNegative", {"", "1000", "-1"}, kResistanceNotUnderstood},
        MessageCase{"ResistanceInfinite", {"", "1000", "inf"}, kResistanceNotUnderstood},
        MessageCase{"SizeCheckedBeforeLength", {"x", "y", ""}, kSizeNotUnderstood},
        MessageCase{"LengthCheckedBeforeResistance", {"", "y", "z"}, kLengthNotUnderstood}),
    CaseName());
// clang-format on

// The one-reading mend: a text is either read whole in the user's locale or refused.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    OneReadingOfEveryNumber, PressMessages,
    ::testing::Values(
        MessageCase{"CommaDecimalInPeriodLocale", {"", "1000", "2,5"}, kResistanceNotUnderstood},
        MessageCase{"PeriodDecimalInCommaLocale", {"", "2.5", "1", Awg, Feet, kComma}, kLengthNotUnderstood},
        MessageCase{"CommaLocaleZeroLength", {"10", ",0", "", Awg, Feet, kComma}, kLengthNotUnderstood}),
    CaseName());
// clang-format on

struct SolveCase : NamedCase {
    TypedPress input;
    std::string_view field;
    std::string text;
};

class PressResults : public ::testing::TestWithParam<SolveCase> {};

TEST_P(PressResults, AnswerTheTextOfTheBlankField) {
    PressOutcome outcome = PressOnce(GetParam().input).outcome;
    const auto* solved = std::get_if<Solved>(&outcome);
    ASSERT_NE(solved, nullptr) << MessageOf(outcome);
    EXPECT_EQ(FieldName(solved->field), GetParam().field);
    EXPECT_EQ(solved->text, GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SolvePaths, PressResults,
    ::testing::Values(
        SolveCase{"ResistanceOfGaugeTen", {"10", "1000", ""}, RESISTANCE, " 0.999933931240995"},
        SolveCase{"GaugeForOneOhm", {"", "1000", "1"}, WIRESIZE, " 10.0015539455252"},
        SolveCase{"CircularMilsForOneOhm", {"", "1000", "1", CircularMils}, WIRESIZE, " 10379.9253759384"},
        SolveCase{"LengthOfGaugeTen", {"10", "", "1"}, WIRELENGTH, " 1000.066"},
        SolveCase{"OneOught", {"", "1000", "0.1"}, WIRESIZE, "1/0"},
        SolveCase{"TooThickForAwg", {"", "1000", "0.04"}, WIRESIZE, "NO AWG SIZE"},
        SolveCase{"TinyGaugeInExponentForm", {"400", "1", ""}, RESISTANCE, " 9.99933914041482E+35"},
        SolveCase{"VanishingGaugeGivesNoLength", {"500", "", "1"}, WIRELENGTH, " 0"},
        SolveCase{"ZeroGaugeName", {"4/0", "1000", ""}, RESISTANCE, " 0.0501154113907939"}),
    CaseName());
// clang-format on

// One square millimetre, 1000 metres: 17.25608 ohms, read and solved in every size unit.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SizeUnits, PressResults,
    ::testing::Values(
        SolveCase{"ReadCircularMils", {"1973.5", "1000", "", CircularMils, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveCircularMils", {"", "1000", "17.25608", CircularMils, Metres}, WIRESIZE, " 1973.5"},
        SolveCase{"ReadSquareInches", {"0.00155", "1000", "", SquareInches, Metres}, RESISTANCE, " 17.2561149705165"},
        SolveCase{"SolveSquareInches", {"", "1000", "17.25608", SquareInches, Metres}, WIRESIZE, " 0.0015500031000062"},
        SolveCase{"ReadSquareMils", {"1550.0031000062", "1000", "", SquareMils, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveSquareMils", {"", "1000", "17.25608", SquareMils, Metres}, WIRESIZE, " 1550.0031000062"},
        SolveCase{"ReadKcmil", {"1.9735", "1000", "", Kcmil, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveKcmil", {"", "1000", "17.25608", Kcmil, Metres}, WIRESIZE, " 1.9735"},
        SolveCase{"ReadSquareMillimetres", {"1", "1000", "", SquareMillimetres, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveSquareMillimetres", {"", "1000", "17.25608", SquareMillimetres, Metres}, WIRESIZE, " 1"}),
    CaseName());
// clang-format on

// One square millimetre of one ohm is 57.95 metres long, read and solved in every unit.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    LengthUnits, PressResults,
    ::testing::Values(
        SolveCase{"ReadFeet", {"1", "1000", "", SquareMillimetres, Feet}, RESISTANCE, " 5.259653184"},
        SolveCase{"SolveFeet", {"1", "", "1", SquareMillimetres, Feet}, WIRELENGTH, " 190.1266"},
        SolveCase{"ReadMetres", {"1", "1000", "", SquareMillimetres, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveMetres", {"1", "", "1", SquareMillimetres, Metres}, WIRELENGTH, " 57.95059"},
        SolveCase{"ReadInches", {"1", "1000", "", SquareMillimetres, Inches}, RESISTANCE, " 0.438304432"},
        SolveCase{"SolveInches", {"1", "", "1", SquareMillimetres, Inches}, WIRELENGTH, " 2281.519"},
        SolveCase{"ReadCentimetres", {"1", "1000", "", SquareMillimetres, Centimetres}, RESISTANCE, " 0.1725608"},
        SolveCase{"SolveCentimetres", {"1", "", "1", SquareMillimetres, Centimetres}, WIRELENGTH, " 5795.059"},
        SolveCase{"ReadYards", {"1", "1000", "", SquareMillimetres, Yards}, RESISTANCE, " 15.778959552"},
        SolveCase{"SolveYards", {"1", "", "1", SquareMillimetres, Yards}, WIRELENGTH, " 63.37553"},
        SolveCase{"ReadMiles", {"1", "1", "", SquareMillimetres, Miles}, RESISTANCE, " 27.77096881152"},
        SolveCase{"SolveMiles", {"1", "", "1", SquareMillimetres, Miles}, WIRELENGTH, " 0.03600883"},
        SolveCase{"ReadKilometres", {"1", "1", "", SquareMillimetres, Kilometres}, RESISTANCE, " 17.25608"},
        SolveCase{"SolveKilometres", {"1", "", "1", SquareMillimetres, Kilometres}, WIRELENGTH, " 0.05795059"}),
    CaseName());
// clang-format on

// The one-reading mend and results written in the user's locale.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Locales, PressResults,
    ::testing::Values(
        SolveCase{"CommaDecimalIsUsedWhole", {"2,5", "1000", "", SquareMillimetres, Metres, kComma}, RESISTANCE, " 6,902432"},
        SolveCase{"CommaLeadingSeparatorIsAHalf", {"", "1000", ",5", SquareMillimetres, Metres, kComma}, WIRESIZE, " 34,5121612548828"},
        SolveCase{"CommaLocaleLengthWritten", {"10", "", "1", Awg, Feet, kComma}, WIRELENGTH, " 1000,066"},
        SolveCase{"GroupedThousandIsAThousand", {"1", "1,000", "", SquareMillimetres, Metres}, RESISTANCE, " 17.25608"},
        SolveCase{"CommaLocaleGroupedThousand", {"1", "1.000", "", SquareMillimetres, Metres, kComma}, RESISTANCE, " 17,25608"}),
    CaseName());
// clang-format on

struct FaultCase : NamedCase {
    TypedPress input;
    FaultKind kind;
};

class PressFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PressFaults, AnswerTheFault) {
    EXPECT_EQ(PressOnce(GetParam().input).outcome, PressOutcome(Faulted{GetParam().kind}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arithmetic, PressFaults,
    ::testing::Values(
        FaultCase{"VanishingGaugeResistance", {"500", "1", ""}, FaultKind::DivisionByZero},
        FaultCase{"VanishingGaugeSize", {"", "1e-320", "1e300", Awg, Metres}, FaultKind::DivisionByZero},
        FaultCase{"HugeGaugeVanishes", {"1e308", "1", ""}, FaultKind::DivisionByZero},
        FaultCase{"TinyResistanceOverflowsAwgArea", {"", "1", "1e-41"}, FaultKind::Overflow},
        FaultCase{"SizeTooLargeForSingle", {"1e39", "1", "", SquareMillimetres}, FaultKind::Overflow},
        FaultCase{"SquareInchesOverflowDouble", {"1e307", "1", "", SquareInches}, FaultKind::Overflow},
        FaultCase{"LengthOverflowsMetres", {"1", "1e306", "", SquareMillimetres, Kilometres}, FaultKind::Overflow},
        FaultCase{"ResistanceOverflows", {"1e-45", "1e300", "", SquareMillimetres, Metres}, FaultKind::Overflow},
        FaultCase{"SolvedLengthTooLargeForSingle", {"1e30", "", "1e20", SquareMillimetres}, FaultKind::Overflow},
        FaultCase{"SizeIndexOutsideTheCycle", {"10", "1000", "", static_cast<SizeUnit>(6)}, FaultKind::InvalidOperation},
        FaultCase{"LengthIndexOutsideTheCycle", {"10", "1000", "", Awg, static_cast<LengthUnit>(-1)}, FaultKind::InvalidOperation},
        FaultCase{"TinyResistanceOverflowsArea", {"", "1e300", "1e-300", SquareMillimetres}, FaultKind::Overflow}),
    CaseName());
// clang-format on

TEST(PressFaults, KeepTheStateSetBeforeTheFault) {
    PressedOnce outcome = PressOnce({"500", "1", ""});
    ASSERT_EQ(outcome.outcome, PressOutcome(Faulted{FaultKind::DivisionByZero}));
    EXPECT_EQ(outcome.state.SIZEVALUE, 500.0);
    EXPECT_EQ(outcome.state.AREA, 0.0f);
    EXPECT_DOUBLE_EQ(outcome.state.LENGTHM, 0.3048);
}

TEST(PressState, KeepsTheInputsReadBeforeAMessage) {
    PressedOnce outcome = PressOnce({"10", "abc", ""});
    EXPECT_EQ(outcome.state.SIZEVALUE, 10.0);
    EXPECT_NEAR(outcome.state.AREA, 5.26, 0.005);
    EXPECT_EQ(MessageOf(outcome.outcome), kLengthNotUnderstood);
}

// The window's adapter presents each kind of outcome through its seams.
struct PresentedCase : NamedCase {
    std::array<std::string, 3> texts;
    std::vector<std::pair<std::string, std::string>> writes;
    std::vector<std::string> messages;
    std::optional<FaultKind> fault;
};

class CalculatePresents : public ::testing::TestWithParam<PresentedCase> {};

TEST_P(CalculatePresents, TheOutcomeThroughTheWindow) {
    const PresentedCase& presented = GetParam();
    FakeWindow window(presented.texts[0], presented.texts[1], presented.texts[2]);
    CalculatorState state;
    std::optional<FaultKind> raised;
    try {
        Calculate(state, window, window, kPeriod);
    } catch (const ArithmeticFault& f) {
        raised = f.kind();
    }
    EXPECT_EQ(window.writes, presented.writes);
    EXPECT_EQ(window.messages, presented.messages);
    EXPECT_EQ(raised, presented.fault);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EachOutcome, CalculatePresents,
    ::testing::Values(
        PresentedCase{{"Solved"}, {"10", "1000", ""}, {{"RESISTANCE", " 0.999933931240995"}}, {}, {}},
        PresentedCase{{"Refused"}, {"10", "", ""}, {}, {std::string(kLengthAndResistanceBlank)}, {}},
        PresentedCase{{"Faulted"}, {"500", "1", ""}, {}, {}, FaultKind::DivisionByZero}),
    CaseName());
// clang-format on

TEST(HeaderExamples, PressHoldsAsWritten) {
    EXPECT_EQ(FieldName(InputField::Resistance), "RESISTANCE");
    EXPECT_EQ(MessageText(PressMessage::AllFieldsBlank), kAllFieldsBlank);
    EXPECT_EQ(FieldToMend(PressMessage::LengthNotUnderstood), InputField::WireLength);
    EXPECT_EQ(FieldToMend(PressMessage::NoFieldBlank), std::nullopt);
    EXPECT_EQ(StateWithUnits(SizeUnit::Kcmil, LengthUnit::Miles).SIZEINDEX, 4);
    EXPECT_EQ(PressOnce({"10", "", ""}).outcome,
              PressOutcome(Refused{PressMessage::LengthAndResistanceBlank}));
}

TEST(PressState, SecondPressFindsNoFieldBlank) {
    FakeWindow window("10", "1000", "");
    CalculatorState state;
    Calculate(state, window, window, kPeriod);
    Calculate(state, window, window, kPeriod);
    EXPECT_EQ(window.GetFieldText(RESISTANCE), " 0.999933931240995");
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages.front(), kNoFieldBlank);
    EXPECT_EQ(state.SIZEVALUE, 0.0);
}

}  // namespace
}  // namespace varnel
