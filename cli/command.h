// varnel-calc once its command line is read: one press, or a schedule.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "command_line_reply.h"
#include "options.h"

namespace varnel::cli {

inline constexpr int kExitSolved = 0;
inline constexpr int kExitAnswered = 1;  // a message answered the press or some row
inline constexpr int kExitUsage = command_line::kExitUsage;  // also a schedule not read or written
inline constexpr int kExitFault = 3;

// Runs the press or the schedule the options ask for and returns the exit status. Results go
// to `out`; messages, faults, errors and the summary of a schedule's unsolved rows to `err`
// as one line each, after "varnel-calc: ". A schedule without a file is read from `in`; with
// `answerAtOnce` (for a terminal) each of its lines is flushed as soon as it is written.
// The press {"10", "1000", ""} writes "0.999933931240995\n" to `out` and returns 0.
int RunOptions(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
               bool answerAtOnce);

}  // namespace varnel::cli
