// Hostile texts for the fields a press reads. The core's hostile-input test puts each one into
// every field a press reads, where it ends the press with a message; the window's soak types
// and pastes them.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::testing {

using namespace std::literals;

inline constexpr std::size_t kMegabyte = 1 << 20;
inline const std::string kMegabyteOfDigits(kMegabyte, '7');
inline const std::string kMegabyteOfSpaces(kMegabyte, ' ');

// Longer than the 32,767 characters a QLineEdit takes by default.
inline const std::string kFortyThousandDigits(40'000, '7');

// How a hostile text ends the press: the field's own message, or, for a text that leaves the
// field blank, the message of the blank rule.
enum class Ending { NotUnderstood, BlankRule };

// Named and printed by its name as a NamedCase is, but without GoogleTest's header, which the
// soak's benchmark does without.
struct HostileText {
    const char* name;
    std::string_view text;
    Ending ending = Ending::NotUnderstood;

    friend void PrintTo(const HostileText& h, std::ostream* os) { *os << h.name; }
};

inline const std::vector<HostileText> kHostileTexts{
    {"Empty", "", Ending::BlankRule},
    {"SpacesOnly", "   "},
    {"MinusOnly", "-"},
    {"PlusOnly", "+"},
    {"SeparatorOnly", "."},
    {"IncompleteExponent", "1e"},
    {"Overflow", "1e400"},
    {"NegativeOverflow", "-1e400"},
    {"Underflow", "1e-400"},
    {"Infinity", "inf"},
    {"NotANumber", "nan"},
    {"HexNumber", "0x10"},
    {"BadGroups", "1,2,3"},
    {"SpaceGroups", "1 000"},
    {"InvalidUtf8", "\xff\xfe"},
    {"TruncatedUtf8", "5\xc3"},
    {"NulByte", "\0"sv},
    {"DigitsEndingInNulByte", "10\0"sv},
    {"LineFeedBetweenNumbers", "10\n1000"},
    {"CrLfBeforeNumber", "\r\n10"},
    {"CarriageReturnAfterNumber", "1000\r"},
    {"FortyThousandDigits", kFortyThousandDigits},
    {"MegabyteOfDigits", kMegabyteOfDigits},
    {"MegabyteOfSpaces", kMegabyteOfSpaces},
};

}  // namespace varnel::testing
