#include "language_numbers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace varnel::cli {
namespace {

struct LanguageNumbers {
    std::string_view language;
    std::string_view decimal;
    std::string_view group;
};

// Every language here writes its minus as '-'.
constexpr std::array<LanguageNumbers, 6> kLanguages{{
    {"en_US", ".", ","},
    {"en_GB", ".", ","},
    {"de_DE", ",", "."},
    {"es_ES", ",", "."},
    {"fr_FR", ",", "\u202F"},
    {"nl_NL", ",", "."},
}};

}  // namespace

std::optional<NumberFormat> NumberFormatOfLanguage(std::string_view language) {
    const auto* found =
        std::find_if(kLanguages.begin(), kLanguages.end(),
                     [language](const auto& entry) { return entry.language == language; });
    if (found == kLanguages.end()) {
        return std::nullopt;
    }
    return NumberFormat{std::string(found->decimal), std::string(found->group), "-"};
}

}  // namespace varnel::cli
