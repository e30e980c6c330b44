// varnel-calc's entry: a press of CALCULATE, or a whole schedule, from the command line.
#include <unistd.h>

#include <iostream>
#include <span>
#include <variant>

#include "command.h"
#include "command_line_reply.h"
#include "console.h"
#include "options.h"
#include "version_text.h"

int main(int argc, char* argv[]) {
    // The same bytes in and out as on Linux, and the arguments in UTF-8, on Windows too.
    varnel::app::UseBinaryStandardStreams();
    varnel::app::Utf8Arguments utf8Arguments(argc, argv);
    argc = utf8Arguments.count();
    argv = utf8Arguments.values();
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    using namespace varnel::cli;
    using namespace varnel::command_line;
    Command command = ReadCommandLine(std::span<const char* const>(argv + 1, argv + argc));
    if (const auto* options = std::get_if<Options>(&command)) {
        return RunOptions(*options, std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1);
    }
    if (const auto* error = std::get_if<UsageError>(&command)) {
        return ReportUsageError(kProgramName, error->what, std::cerr);
    }
    if (std::holds_alternative<HelpRequest>(command)) {
        return WriteAnswer(kProgramName, HelpText(), std::cout, std::cerr);
    }
    return WriteAnswer(kProgramName, VersionText(kProgramName), std::cout, std::cerr);
}
