#include "options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "case_table.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

using namespace testing;

// A command in one line: "press 'SIZE' 'LENGTH' 'RESISTANCE' SIZEUNIT LENGTHUNIT DG",
// "batch 'FILE' DG" (D and G the separators), "help", "version" or "error: WHAT".
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
        text << "batch '" << options.file << "'";
    } else {
        text << "press '" << press.size << "' '" << press.length << "' '" << press.resistance
             << "' " << static_cast<int>(press.sizeUnit) << ' '
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
        CommandLineCase{"BatchFromStandardInput", {"--batch"}, "batch '' .,"},
        CommandLineCase{"BatchFileBeforeTheOption", {"schedule.tsv", "--batch"}, "batch 'schedule.tsv' .,"},
        CommandLineCase{"DoubleDashEndsTheOptions", {"--batch", "--", "--size"}, "batch '--size' .,"},
        CommandLineCase{"DashIsAnOperand", {"--batch", "-"}, "batch '-' .,"},
        CommandLineCase{"FirstOfHelpAndVersionWins", {"--version", "--help", "--sise"}, "version"},
        CommandLineCase{"ErrorBeforeHelpWins", {"--sise", "--help"}, "error: unrecognized option '--sise'"},
        CommandLineCase{"HelpBeforeLaterChecks", {"--batch", "--size", "1", "--help"}, "help"},
        CommandLineCase{"FlagWithAValue", {"--batch=yes"}, "error: option '--batch' doesn't allow an argument"},
        CommandLineCase{"NoAbbreviations", {"--len", "3"}, "error: unrecognized option '--len'"},
        CommandLineCase{"ShortOptionsUnknown", {"-h"}, "error: unrecognized option '-h'"},
        CommandLineCase{"UnknownSizeUnit", {"--size-unit", "mm"}, "error: unknown size unit 'mm' (one of awg, cmil, sqin, sqmil, kcmil, mcm, mm2)"},
        CommandLineCase{"EmptyLocaleName", {"--locale="}, "error: unknown locale ''"},
        CommandLineCase{"TwoFiles", {"--batch", "a", "b"}, "error: unexpected argument 'b'"},
        CommandLineCase{"UnitWithBatch", {"--length-unit", "m", "--batch"}, "error: option '--length-unit' cannot go with '--batch': the rows give it"}),
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

}  // namespace
}  // namespace varnel::cli
