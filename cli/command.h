// varnel-calc once its command line is read: one press, or a schedule.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "options.h"

namespace varnel::cli {

inline constexpr int kExitSolved = 0;
inline constexpr int kExitAnswered = 1;  // a message answered the press or some row
inline constexpr int kExitUsage = 2;     // also a schedule that cannot be read or written
inline constexpr int kExitFault = 3;

// Runs the press or the schedule the options ask for and returns the exit status. Results go
// to `out`; messages, faults, errors and the summary of a schedule's unsolved rows to `err`
// as one line each, after "varnel-calc: ". A schedule without a file is read from `in`; with
// `answerAtOnce` (for a terminal) each of its lines is flushed as soon as it is written.
// The press {"10", "1000", ""} writes "0.999933931240995\n" to `out` and returns 0.
int RunOptions(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
               bool answerAtOnce);

// Writes the text of --help or --version to `out` and returns kExitSolved, or, when it cannot
// be written, says so on `err` and returns kExitUsage, as a press's result does.
int WriteAnswer(std::string_view text, std::ostream& out, std::ostream& err);

// Writes a usage error with the hint to --help and returns kExitUsage.
int ReportUsageError(const UsageError& error, std::ostream& err);

}  // namespace varnel::cli
