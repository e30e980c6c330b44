// The program's entry: it answers -h, --help and --version as GNU programs do and refuses an
// unknown option, all without a display; otherwise it creates the application, shows the
// window and returns when the window is closed. Qt reads its own options (-platform
// offscreen, for example).
#include <QApplication>
#include <iostream>
#include <span>
#include <string_view>
#include <variant>

#include "application_identity.h"
#include "command_line_reply.h"
#include "console.h"
#include "form1.h"
#include "version_text.h"
#include "window_command_line.h"

int main(int argc, char* argv[]) {
    using namespace varnel::app;
    using namespace varnel::command_line;
    UseBinaryStandardStreams();
    WindowCommand command =
        ReadWindowCommandLine(std::span<const char* const>(argv + 1, argv + argc));
    if (std::holds_alternative<HelpRequest>(command)) {
        return WriteAnswer(kWindowProgramName, WindowHelpText(), std::cout, std::cerr);
    }
    if (std::holds_alternative<VersionRequest>(command)) {
        return WriteAnswer(kWindowProgramName, VersionText(kWindowProgramName), std::cout,
                           std::cerr);
    }
    if (const auto* error = std::get_if<UsageError>(&command)) {
        return ReportUsageError(kWindowProgramName, error->what, std::cerr);
    }
    QApplication application(argc, argv);
    varnel::window::DescribeApplication();
    varnel::window::Form1 form;
    form.show();
    return QApplication::exec();
}
