#include "command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "press.h"
#include "schedule.h"

namespace varnel::cli {
namespace {

int Complain(std::ostream& err, std::string_view what, int status) {
    err << kProgramName << ": " << what << '\n' << std::flush;
    return status;
}

// The exit status once the results are out; a failed write turns it into an error.
int Flushed(std::ostream& out, std::ostream& err, int status) {
    if (!out.flush()) {
        return Complain(err, "write error", kExitUsage);
    }
    return status;
}

int RunPress(const Options& options, std::ostream& out, std::ostream& err) {
    CommandPress press(options.format);
    PressAnswer answer = press.Press(options.press);
    switch (answer.kind) {
        case PressAnswer::Kind::Solved:
            out << answer.text << '\n';
            return Flushed(out, err, kExitSolved);
        case PressAnswer::Kind::Message:
            return Complain(err, answer.text, kExitAnswered);
        case PressAnswer::Kind::Fault:
            return Complain(err, answer.text, kExitFault);
    }
    return kExitFault;
}

int RunSchedule(std::istream& rows, std::string_view name, const Options& options,
                std::ostream& out, std::ostream& err) {
    errno = 0;
    bool allSolved = CheckSchedule(rows, out, options.format);
    if (rows.bad()) {
        std::string reason = errno != 0 ? std::strerror(errno) : "read error";
        return Complain(err, std::string(name) + ": " + reason, kExitUsage);
    }
    return Flushed(out, err, allSolved ? kExitSolved : kExitAnswered);
}

int RunBatch(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    if (options.file.empty() || options.file == "-") {
        return RunSchedule(in, "standard input", options, out, err);
    }
    std::ifstream file{std::string(options.file), std::ios::binary};
    if (!file) {
        return Complain(err, std::string(options.file) + ": " + std::strerror(errno), kExitUsage);
    }
    return RunSchedule(file, options.file, options, out, err);
}

}  // namespace

int RunOptions(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return options.batch ? RunBatch(options, in, out, err) : RunPress(options, out, err);
}

int WriteAnswer(std::string_view text, std::ostream& out, std::ostream& err) {
    out << text;
    return Flushed(out, err, kExitSolved);
}

int ReportUsageError(const UsageError& error, std::ostream& err) {
    err << kProgramName << ": " << error.what << "\nTry '" << kProgramName
        << " --help' for more information.\n";
    return kExitUsage;
}

}  // namespace varnel::cli
