// The command line of the window's program. It takes -h, --help and --version, answered
// without a display, and the options that Qt itself reads (-platform offscreen, -style
// fusion, ...), which it leaves for Qt; anything else is refused before Qt is started, so
// that a mistyped option is reported in one line rather than by Qt failing to open a display.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "command_line_reply.h"

namespace varnel::app {

inline constexpr std::string_view kWindowProgramName = "varnel";

struct OpenWindow {};

// Opening the window, or what both programs' command lines ask for besides their own work.
using WindowCommand = std::variant<OpenWindow, command_line::HelpRequest,
                                   command_line::VersionRequest, command_line::UsageError>;

// Reads the arguments after the program's name, in order; the first help, version or error
// settles it. {"-platform", "offscreen", "--version"} gives VersionRequest; {"--bogus"} the
// error "unrecognized option '--bogus'"; {"-platform"} the error "option '-platform' requires
// an argument".
WindowCommand ReadWindowCommandLine(std::span<const char* const> arguments);

// The text of --help.
std::string_view WindowHelpText();

}  // namespace varnel::app
