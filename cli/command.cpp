#include "command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "command_line_reply.h"
#include "press.h"
#include "schedule.h"

namespace varnel::cli {
namespace {

int Complain(std::ostream& err, std::string_view what, int status) {
    return command_line::Complain(kProgramName, what, err, status);
}

// The exit status once the results are out; a failed write turns it into an error.
int Flushed(std::ostream& out, std::ostream& err, int status) {
    return command_line::Flushed(kProgramName, out, err, status);
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

// Writes the summary of unsolved rows, or why the schedule could not be read, and returns the
// exit status.
int Summarize(const ScheduleSummary& summary, std::string_view name, std::ostream& out,
              std::ostream& err) {
    if (IsRefused(summary)) {
        out.flush();
        return Complain(err, SummaryLine(summary, name), kExitUsage);
    }
    int status = Flushed(out, err, summary.unsolved == 0 ? kExitSolved : kExitAnswered);
    if (status == kExitAnswered) {
        Complain(err, SummaryLine(summary, name), status);
    }
    return status;
}

int RunSchedule(std::istream& rows, std::string_view name, const ScheduleSettings& settings,
                std::ostream& out, std::ostream& err) {
    errno = 0;
    ScheduleSummary summary = CheckSchedule(rows, out, settings);
    if (rows.bad()) {
        std::string reason = errno != 0 ? std::strerror(errno) : "read error";
        return Complain(err, std::string(name) + ": " + reason, kExitUsage);
    }
    return Summarize(summary, name, out, err);
}

int RunBatch(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
             bool answerAtOnce) {
    ScheduleSettings settings =
        SettingsForFile(options.file, options.format, options.scheduleFormat, options.delimiter);
    settings.answerAtOnce = answerAtOnce;
    if (IsStandardInput(options.file)) {
        return RunSchedule(in, "standard input", settings, out, err);
    }
    std::error_code error;
    if (std::filesystem::is_directory(options.file, error)) {
        return Complain(err, std::string(options.file) + ": a folder, not a schedule", kExitUsage);
    }
    std::ifstream file{std::string(options.file), std::ios::binary};
    if (!file) {
        return Complain(err, std::string(options.file) + ": " + std::strerror(errno), kExitUsage);
    }
    return RunSchedule(file, options.file, settings, out, err);
}

}  // namespace

int RunOptions(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
               bool answerAtOnce) {
    return options.batch ? RunBatch(options, in, out, err, answerAtOnce)
                         : RunPress(options, out, err);
}

}  // namespace varnel::cli
