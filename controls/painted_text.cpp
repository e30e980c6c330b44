#include "painted_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace varnel::window {
namespace {

bool IsSign(char16_t character) {
    return character == u'+' || character == u'-';
}

bool IsDigit(char16_t character) {
    return character >= u'0' && character <= u'9';
}

// White space as Unicode has it: the ASCII controls and space, and the spaces above U+007F.
bool IsSpace(char16_t c) {
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0' ||
           c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' ||
           c == u'\u2029' || c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

// Punctuation above U+007F that a number may carry: Latin-1's signs, the general punctuation
// (apostrophes and thin spaces as group separators) and the Arabic separators.
bool IsWideCharacterPunctuation(char16_t c) {
    return (c >= u'\u0080' && c <= u'\u00BF') || c == u'\u00D7' || c == u'\u00F7' ||
           (c >= u'\u2000' && c <= u'\u206F') || c == u'\u066B' || c == u'\u066C' || c == u'\u2212';
}

bool IsLetter(char16_t c) {
    if (c < u'\u0080') {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    }
    return !IsSpace(c) && !IsWideCharacterPunctuation(c);
}

bool IsHighSurrogate(char16_t c) {
    return c >= u'\xD800' && c <= u'\xDBFF';
}

std::u16string_view Trimmed(std::u16string_view text) {
    auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
    auto end = std::find_if_not(text.rbegin(), text.rend(), IsSpace).base();
    return first < end ? text.substr(static_cast<std::size_t>(first - text.begin()),
                                     static_cast<std::size_t>(end - first))
                       : std::u16string_view();
}

// A text split where it may be cut: head, middle and exponent. Only the middle is cut.
struct Parts {
    std::u16string_view head;
    std::u16string_view middle;
    std::u16string_view exponent;
};

// The end of a number's head: leading spaces, a sign, then everything up to the decimal
// separator, a letter or the end. 0 for a text that does not start as a number does, with a
// digit or the decimal separator after the sign.
std::size_t HeadEnd(std::u16string_view text, std::u16string_view decimal) {
    std::size_t end = 0;
    while (end < text.size() && IsSpace(text[end])) {
        ++end;
    }
    if (end < text.size() && IsSign(text[end])) {
        ++end;
    }
    auto atSeparator = [&] { return text.substr(end).starts_with(decimal); };
    if (end == text.size() || (!IsDigit(text[end]) && !atSeparator())) {
        return 0;
    }
    while (end < text.size() && !IsLetter(text[end]) && !atSeparator()) {
        ++end;
    }
    return end;
}

// Where the exponent ("E+07", "e-5", with spaces after it) starts, at or after `from`; the
// text's size when it ends in none.
std::size_t ExponentStart(std::u16string_view text, std::size_t from) {
    std::size_t start = text.size();
    while (start > from && IsSpace(text[start - 1])) {
        --start;
    }
    std::size_t digitsEnd = start;
    while (start > from && IsDigit(text[start - 1])) {
        --start;
    }
    if (start > from && start < digitsEnd && IsSign(text[start - 1])) {
        --start;
    }
    bool marked =
        start > from && start < digitsEnd && (text[start - 1] == u'E' || text[start - 1] == u'e');
    return marked ? start - 1 : text.size();
}

// The head leaves out the leading spaces, which carry nothing (a positive result's sign
// place) and take room that the digits need.
Parts Split(std::u16string_view text, std::u16string_view decimal) {
    std::size_t headEnd = HeadEnd(text, decimal);
    std::size_t exponentStart = headEnd == 0 ? text.size() : ExponentStart(text, headEnd);
    return {Trimmed(text.substr(0, headEnd)), text.substr(headEnd, exponentStart - headEnd),
            text.substr(exponentStart)};
}

// The first `kept` characters of the middle, without a decimal separator or half a
// surrogate pair left dangling before the ellipsis.
std::u16string_view KeptOf(std::u16string_view middle, std::size_t kept,
                           std::u16string_view decimal) {
    std::u16string_view start = middle.substr(0, kept);
    if (!decimal.empty() && start.ends_with(decimal)) {
        start.remove_suffix(decimal.size());
    }
    if (!start.empty() && IsHighSurrogate(start.back())) {
        start.remove_suffix(1);
    }
    return start;
}

std::u16string Cut(const Parts& parts, std::size_t kept, std::u16string_view decimal) {
    std::u16string cut(parts.head);
    cut += KeptOf(parts.middle, kept, decimal);
    cut += kEllipsis;
    cut += parts.exponent;
    return cut;
}

// The largest number of middle characters, below all of them, with which the cut text fits;
// nullopt when none does. Widths grow with the characters kept, so it is searched by halves.
std::optional<std::size_t> MostKept(const Parts& parts,
                                    const std::function<bool(std::size_t)>& fits) {
    if (parts.middle.empty() || !fits(0)) {
        return std::nullopt;
    }
    std::size_t fitting = 0;
    std::size_t tooMany = parts.middle.size();
    while (tooMany - fitting > 1) {
        std::size_t tried = fitting + (tooMany - fitting) / 2;
        (fits(tried) ? fitting : tooMany) = tried;
    }
    return fitting;
}

std::optional<std::u16string> LongestCut(const Parts& parts, std::u16string_view decimal,
                                         double room, double size, const TextWidth& width) {
    auto fits = [&](std::size_t kept) { return width(Cut(parts, kept, decimal), size) <= room; };
    std::optional<std::size_t> kept = MostKept(parts, fits);
    return kept ? std::optional(Cut(parts, *kept, decimal)) : std::nullopt;
}

double WidestOf(const std::vector<std::u16string>& texts, double size, const TextWidth& width) {
    double widest = 0;
    for (const std::u16string& text : texts) {
        widest = std::max(widest, width(text, size));
    }
    return widest;
}

}  // namespace

double FittedFaceSize(const std::vector<std::u16string>& texts, double room, double pointSize,
                      const TextWidth& width) {
    double widest = WidestOf(texts, pointSize, width);
    if (widest <= room) {
        return pointSize;
    }
    double size = std::max(kSmallestFaceSize,
                           std::floor(pointSize * room / widest / kFaceSizeStep) * kFaceSizeStep);
    while (WidestOf(texts, size, width) > room && size - kFaceSizeStep >= kSmallestFaceSize) {
        size -= kFaceSizeStep;
    }
    return size;
}

PaintedText PaintedIn(std::u16string_view text, std::u16string_view decimalSeparator, double room,
                      double pointSize, const TextWidth& width) {
    Parts parts = Split(text, decimalSeparator);
    double smallest = std::min(pointSize, kSmallestFaceSize);
    for (double size = pointSize; size >= smallest; size -= kFaceSizeStep) {
        if (width(text, size) <= room) {
            return {std::u16string(text), size};
        }
        if (std::optional<std::u16string> cut =
                LongestCut(parts, decimalSeparator, room, size, width)) {
            return {*cut, size};
        }
    }
    Parts startOnly{{}, text, {}};
    return {LongestCut(startOnly, decimalSeparator, room, smallest, width)
                .value_or(std::u16string(1, kEllipsis)),
            smallest};
}

}  // namespace varnel::window
