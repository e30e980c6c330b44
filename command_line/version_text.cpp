#include "version_text.h"

namespace varnel::command_line {
namespace {

constexpr std::string_view kAfterName =
    " (" VARNEL_DISPLAY_NAME ") " VARNEL_VERSION
    "\n"
    "Copyright (C) 2026 The Varnel developers.\n"
    "License MIT: you are free to use, change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace

std::string VersionText(std::string_view program) {
    return std::string(program).append(kAfterName);
}

}  // namespace varnel::command_line
