#include "unit_keywords.h"

#include <algorithm>

namespace varnel::cli {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

template <typename Unit, std::size_t N>
std::optional<Unit> ReadUnit(std::string_view word,
                             const std::array<UnitKeyword<Unit>, N>& keywords) {
    if (word.empty()) {
        return keywords.front().unit;
    }
    for (const UnitKeyword<Unit>& entry : keywords) {
        if (EqualsIgnoringCase(word, entry.keyword)) {
            return entry.unit;
        }
    }
    return std::nullopt;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view word, std::string_view keyword) {
    // Iterator pairs rather than ranges: emscripten's libc++ has no range algorithms.
    return std::equal(word.begin(), word.end(), keyword.begin(), keyword.end(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

std::optional<SizeUnit> ReadSizeUnit(std::string_view word) {
    return ReadUnit(word, kSizeUnitKeywords);
}

std::optional<LengthUnit> ReadLengthUnit(std::string_view word) {
    return ReadUnit(word, kLengthUnitKeywords);
}

}  // namespace varnel::cli
