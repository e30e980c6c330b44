// How both programs answer on their command line, as GNU programs do: what the user typed is
// quoted in single quotes, a diagnostic is one line after the program's name, a usage error
// adds the hint to --help, and an answer that cannot be written is an error of its own.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace varnel::command_line {

// What a command line asks for besides the program's own work.
struct HelpRequest {};
struct VersionRequest {};

// What is wrong with a command line, in one line without the program's name:
// "unrecognized option '--sise'".
struct UsageError {
    std::string what;
};

// The exit status of a refused command line, and of an answer that could not be written.
inline constexpr int kExitUsage = 2;

// Quoted("--bogus") == "'--bogus'".
std::string Quoted(std::string_view text);

// Writes "PROGRAM: WHAT" as one line to `err` and returns `status`.
int Complain(std::string_view program, std::string_view what, std::ostream& err, int status);

// Writes the usage error `what` and the hint "Try 'PROGRAM --help' for more information." to
// `err`, and returns kExitUsage.
int ReportUsageError(std::string_view program, std::string_view what, std::ostream& err);

// Flushes what was written to `out`: returns `status`, or, when it could not be written,
// complains "PROGRAM: write error" and returns kExitUsage.
int Flushed(std::string_view program, std::ostream& out, std::ostream& err, int status);

// Writes an answer such as the text of --help to `out` and returns 0, or kExitUsage as
// Flushed does.
int WriteAnswer(std::string_view program, std::string_view text, std::ostream& out,
                std::ostream& err);

}  // namespace varnel::command_line
