#include "options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "case_table.h"
#include "language_numbers.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

using namespace testing;

// A command in one line: "press 'SIZE' 'LENGTH' 'RESISTANCE' SIZEUNIT LENGTHUNIT DG",
// "batch 'FILE' F C DG" (F the format, C the delimiter, - where not given; D and G the
// separators), "help", "version" or "error: WHAT".
std::string Describe(const Command& command) {
    if (const auto* error = std::get_if<UsageError>(&command)) {
        return "error: " + error->what;
    }
    if (!std::holds_alternative<Options>(command)) {
        return std::holds_alternative<HelpRequest>(command) ? "help" : "version";
    }
    const Options& options = std::get<Options>(command);
    const PressInput& press = options.press;
    std::ostringstream text;
    if (options.batch) {
        text << "batch '" << options.file << "' "
             << (options.scheduleFormat ? char('0' + int(*options.scheduleFormat)) : '-') << ' '
             << options.delimiter.value_or('-');
    } else {
        text << "press '" << press.texts.size << "' '" << press.texts.length << "' '"
             << press.texts.resistance << "' " << static_cast<int>(press.sizeUnit) << ' '
             << static_cast<int>(press.lengthUnit);
    }
    text << ' ' << options.format.decimal << options.format.group;
    return text.str();
}

struct CommandLineCase : NamedCase {
    std::vector<const char*> arguments;
    std::string command;
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

// The environment's locale is C (the test's environment).
TEST_P(CommandLine, ReadsAsGnuProgramsDo) {
    EXPECT_EQ(Describe(ReadCommandLine(GetParam().arguments)), GetParam().command);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(
        CommandLineCase{"NothingIsThreeEmptyFields", {}, "press '' '' '' 0 0 .,"},
        CommandLineCase{"ValueAfterEquals", {"--size=10", "--length", "1000"}, "press '10' '1000' '' 0 0 .,"},
        CommandLineCase{"ValueMayStartWithADash", {"--length", "-5", "--resistance=--1"}, "press '' '-5' '--1' 0 0 .,"},
        CommandLineCase{"UnitsInAnyCase", {"--size-unit", "MCM", "--length-unit=Km"}, "press '' '' '' 4 6 .,"},
        CommandLineCase{"EmptyUnitIsTheDefault", {"--size-unit=", "--length-unit", ""}, "press '' '' '' 0 0 .,"},
        CommandLineCase{"LocaleByName", {"--locale", "de_DE.UTF-8"}, "press '' '' '' 0 0 ,."},
        CommandLineCase{"LocaleCInAnyCase", {"--locale=c"}, "press '' '' '' 0 0 .,"},
        CommandLineCase{"BatchFromStandardInput", {"--batch"}, "batch '' - - .,"},
        CommandLineCase{"BatchFileBeforeTheOption", {"schedule.tsv", "--batch"}, "batch 'schedule.tsv' - - .,"},
        CommandLineCase{"BatchFileAfterEquals", {"--batch=schedule.csv", "--format", "csv", "--delimiter=;"}, "batch 'schedule.csv' 1 ; .,"},
        CommandLineCase{"DoubleDashEndsTheOptions", {"--batch", "--", "--size"}, "batch '--size' - - .,"},
        CommandLineCase{"DashIsAnOperand", {"--batch", "-"}, "batch '-' - - .,"},
        CommandLineCase{"UnambiguousAbbreviation", {"--res", "3", "--length-u=m"}, "press '' '' '3' 0 1 .,"},
        CommandLineCase{"AmbiguousAbbreviation", {"--len=2"}, "error: option '--len=2' is ambiguous"},
        CommandLineCase{"FirstOfHelpAndVersionWins", {"--version", "-h", "--sise"}, "version"},
        CommandLineCase{"ErrorBeforeHelpWins", {"--sise", "--help"}, "error: unrecognized option '--sise'"},
        CommandLineCase{"HelpBeforeLaterChecks", {"--batch", "--size", "1", "-h"}, "help"},
        CommandLineCase{"FlagWithAValue", {"--version=1"}, "error: option '--version' doesn't allow an argument"},
        CommandLineCase{"UnknownShortOption", {"-x"}, "error: invalid option -- 'x'"},
        CommandLineCase{"MissingValue", {"--size", "1", "--resist"}, "error: option '--resistance' requires an argument"},
        CommandLineCase{"UnknownSizeUnit", {"--size-unit", "mm"}, "error: unknown size unit 'mm' (one of awg, cmil, sqin, sqmil, kcmil, mcm, mm2)"},
        CommandLineCase{"EmptyLocaleName", {"--locale="}, "error: unknown locale ''"},
        CommandLineCase{"EmptyBatchFileAfterEquals", {"--batch="}, "error: empty FILE name for '--batch' ('-' is standard input)"},
        CommandLineCase{"EmptyBatchFileOperand", {"--batch", ""}, "error: empty FILE name for '--batch' ('-' is standard input)"},
        CommandLineCase{"TwoFiles", {"--batch", "a", "b"}, "error: unexpected argument 'b'"},
        CommandLineCase{"FileTwice", {"--batch=a", "b"}, "error: unexpected argument 'b'"},
        CommandLineCase{"UnitWithBatch", {"--length-unit", "m", "--batch"}, "error: option '--length-unit' cannot go with '--batch': the rows give it"},
        CommandLineCase{"FormatWithoutBatch", {"--format=tsv"}, "error: option '--format' needs '--batch'"},
        CommandLineCase{"UnknownFormat", {"--batch", "--format", "xls"}, "error: unknown format 'xls' (one of tsv, csv)"},
        CommandLineCase{"DelimiterOfTwo", {"--batch", "--delimiter", ";;"}, "error: invalid delimiter ';;' (one character, not a quote or a line break)"},
        CommandLineCase{"DelimiterQuote", {"--batch", "--delimiter", "\""}, "error: invalid delimiter '\"' (one character, not a quote or a line break)"},
        CommandLineCase{"DelimiterWithTsv", {"--batch", "--delimiter", ",", "--format", "tsv"}, "error: option '--delimiter' cannot go with '--format=tsv'"}),
    CaseName());
// clang-format on

TEST(HelpText, ListsEveryUnitKeyword) {
    EXPECT_NE(HelpText().find("\n  mcm     the same as kcmil\n"), std::string::npos);
    for (const auto& entry : kSizeUnitKeywords) {
        EXPECT_NE(HelpText().find("\n  " + std::string(entry.keyword) + " "), std::string::npos);
    }
    for (const auto& entry : kLengthUnitKeywords) {
        EXPECT_NE(HelpText().find("\n  " + std::string(entry.keyword) + " "), std::string::npos);
    }
}

// The table of languages for builds without Qt gives what Qt gives for --locale.
TEST(LanguageNumbers, AreQtsForEachLanguage) {
    auto parts = [](const NumberFormat& format) {
        return format.decimal + " " + format.group + " " + format.minus;
    };
    for (const char* language : {"en_US", "en_GB", "de_DE", "es_ES", "fr_FR", "nl_NL"}) {
        std::vector<const char*> arguments{"--batch", "--locale", language};
        std::optional<NumberFormat> table = NumberFormatOfLanguage(language);
        ASSERT_TRUE(table) << language;
        EXPECT_EQ(parts(*table), parts(std::get<Options>(ReadCommandLine(arguments)).format));
    }
    EXPECT_FALSE(NumberFormatOfLanguage("xx_XX"));
}

}  // namespace
}  // namespace varnel::cli
