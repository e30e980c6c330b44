// The program's entry: it answers --help and --version as GNU programs do, without a display;
// otherwise it creates the application, shows the window and returns when the window is
// closed. Every other argument goes to Qt (-platform offscreen, for example).
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "application_identity.h"
#include "console.h"
#include "form1.h"
#include "program_text.h"

namespace {

constexpr std::string_view kHelp =
    "Usage: varnel [OPTION]...\n"
    "Open the Varnel window for copper conductors: fill in two of a wire's size, length\n"
    "and DC resistance, leave the third empty and press CALCULATE to work it out.\n"
    "\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Any other argument is passed to Qt, such as -platform offscreen.\n"
    "To check a whole cable schedule from the command line, see varnel-calc(1).\n";

// The text answering the first --help or --version among the arguments; nullopt when there
// is neither. With "varnel -platform xcb --version": the version text.
std::optional<std::string> StandardAnswer(int argc, char* argv[]) {
    for (int index = 1; index < argc; ++index) {
        std::string_view argument = argv[index];
        if (argument == "--help") {
            return std::string(kHelp);
        }
        if (argument == "--version") {
            return varnel::app::VersionText("varnel");
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    varnel::app::UseBinaryStandardStreams();
    if (std::optional<std::string> answer = StandardAnswer(argc, argv)) {
        std::cout << *answer << std::flush;
        return std::cout ? 0 : 1;
    }
    QApplication application(argc, argv);
    varnel::window::DescribeApplication();
    varnel::window::Form1 form;
    form.show();
    return QApplication::exec();
}
