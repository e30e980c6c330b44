#include "window_command_line.h"

#include <array>
#include <optional>

#include "command_line_reply.h"

namespace varnel::app {
namespace {

using command_line::HelpRequest;
using command_line::Quoted;
using command_line::UsageError;
using command_line::VersionRequest;

// An option that Qt reads from the command line, written as Qt documents it. Qt takes each
// with one dash or two; a value follows as the next argument, and after "=" where
// `equalsForm` says so.
struct QtOption {
    std::string_view name;
    bool takesValue;
    bool equalsForm;
};

constexpr std::array<QtOption, 22> kQtOptions{{
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"reverse", false, false},
    {"session", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"qmljsdebugger", true, true},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"ncols", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
}};

constexpr std::string_view kHelp =
    "Usage: varnel [OPTION]...\n"
    "Open the Varnel window for copper conductors: fill in two of a wire's size, length\n"
    "and DC resistance, leave the third empty and press CALCULATE to work it out.\n"
    "\n"
    "  -h, --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Qt's own options are taken too, such as -platform offscreen or -style fusion.\n"
    "To check a whole cable schedule from the command line, see varnel-calc(1).\n";

// The Qt option that `argument` names, in either of its forms, and whether its value
// came after "=".
std::optional<std::pair<QtOption, bool>> FindQtOption(std::string_view argument) {
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    for (const QtOption& option : kQtOptions) {
        if (name == option.name) {
            return std::pair(option, false);
        }
        if (option.equalsForm && name.starts_with(option.name) &&
            name.substr(option.name.size()).starts_with('=')) {
            return std::pair(option, true);
        }
    }
    return std::nullopt;
}

}  // namespace

WindowCommand ReadWindowCommandLine(std::span<const char* const> arguments) {
    for (std::size_t next = 0; next < arguments.size(); ++next) {
        std::string_view argument = arguments[next];
        if (argument == "-h" || argument == "--help") {
            return HelpRequest{};
        }
        if (argument == "--version") {
            return VersionRequest{};
        }
        if (!argument.starts_with('-') || argument == "-") {
            return UsageError{"unexpected argument " + Quoted(argument)};
        }
        std::optional<std::pair<QtOption, bool>> qt = FindQtOption(argument);
        if (!qt) {
            return UsageError{"unrecognized option " + Quoted(argument)};
        }
        auto [option, valueGiven] = *qt;
        if (option.takesValue && !valueGiven && ++next == arguments.size()) {
            return UsageError{"option " + Quoted(argument) + " requires an argument"};
        }
    }
    return OpenWindow{};
}

std::string_view WindowHelpText() {
    return kHelp;
}

}  // namespace varnel::app
