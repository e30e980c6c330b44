// The text that both programs print for --version, as GNU programs do.
#pragma once

#include <string>
#include <string_view>

namespace varnel::command_line {

// The program's name with the product and its version, the copyright and the licence, one
// line each. VersionText("varnel") begins "varnel (Varnel) " and the version, then "\n".
std::string VersionText(std::string_view program);

}  // namespace varnel::command_line
