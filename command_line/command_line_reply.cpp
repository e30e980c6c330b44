#include "command_line_reply.h"

namespace varnel::command_line {

std::string Quoted(std::string_view text) {
    return std::string("'").append(text).append("'");
}

int Complain(std::string_view program, std::string_view what, std::ostream& err, int status) {
    err << program << ": " << what << '\n' << std::flush;
    return status;
}

int ReportUsageError(std::string_view program, std::string_view what, std::ostream& err) {
    err << program << ": " << what << "\nTry '" << program << " --help' for more information.\n"
        << std::flush;
    return kExitUsage;
}

int Flushed(std::string_view program, std::ostream& out, std::ostream& err, int status) {
    if (!out.flush()) {
        return Complain(program, "write error", err, kExitUsage);
    }
    return status;
}

int WriteAnswer(std::string_view program, std::string_view text, std::ostream& out,
                std::ostream& err) {
    out << text;
    return Flushed(program, out, err, 0);
}

}  // namespace varnel::command_line
