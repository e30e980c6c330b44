// The numbers of a few languages, without a toolkit: the decimal and group separators and the
// minus sign that Qt's locale of the same name gives, for builds that have no Qt (the web
// page's schedule check), so that they write a schedule as varnel-calc --locale NAME does.
#pragma once

#include <optional>
#include <string_view>

#include "numeric_text.h"

namespace varnel::cli {

// NumberFormatOfLanguage("de_DE") == NumberFormat{",", ".", "-"}; nullopt for a name not
// in the table.
std::optional<NumberFormat> NumberFormatOfLanguage(std::string_view language);

}  // namespace varnel::cli
