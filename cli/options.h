// The command line of varnel-calc, read by the C library's getopt_long as GNU programs read
// theirs: long options, abbreviated where that is unambiguous, with their value in the next
// argument or after "=", in any order, "--" ending the options and "-" naming standard input.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "command_line_reply.h"
#include "numeric_text.h"
#include "press.h"
#include "schedule.h"

namespace varnel::cli {

inline constexpr std::string_view kProgramName = "varnel-calc";

// One press, or a schedule when `batch` is set (read from `file`, standard input when it is
// empty or "-"), with numbers in `format`.
struct Options {
    PressInput press;
    bool batch = false;
    std::string_view file;
    NumberFormat format;
    std::optional<ScheduleFormat> scheduleFormat;  // --format; nullopt: chosen by the rules
    std::optional<char> delimiter;                 // --delimiter; nullopt: from the locale
};

using command_line::HelpRequest;
using command_line::UsageError;
using command_line::VersionRequest;

using Command = std::variant<Options, HelpRequest, VersionRequest, UsageError>;

// Reads the arguments after the program's name. The first -h, --help or --version wins,
// unless a usage error comes before it. Numbers follow the environment's locale unless
// --locale names one. {"--size=10", "--length", "1000"} gives a press of AWG 10 and 1000
// feet; {"--size", "10", "--size", "12"} gives the usage error "option '--size' given twice".
Command ReadCommandLine(std::span<const char* const> arguments);

// The text of --help, with the unit keywords of the tables.
std::string HelpText();

}  // namespace varnel::cli
