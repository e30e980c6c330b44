#include "painted_text.h"

#include <algorithm>
#include <optional>

namespace varnel::window {
namespace {

bool IsSign(QChar character) {
    return character == u'+' || character == u'-';
}

// A text split where it may be cut: head, middle and exponent. Only the middle is cut.
struct Parts {
    QString head;
    QString middle;
    QString exponent;
};

// The end of a number's head: leading spaces, a sign, then everything up to the decimal
// separator, a letter or the end. 0 for a text that does not start as a number does, with a
// digit or the decimal separator after the sign.
qsizetype HeadEnd(const QString& text, const QString& decimal) {
    qsizetype end = 0;
    while (end < text.size() && text[end].isSpace()) {
        ++end;
    }
    if (end < text.size() && IsSign(text[end])) {
        ++end;
    }
    auto atSeparator = [&] { return QStringView(text).sliced(end).startsWith(decimal); };
    if (end == text.size() || (!text[end].isDigit() && !atSeparator())) {
        return 0;
    }
    while (end < text.size() && !text[end].isLetter() && !atSeparator()) {
        ++end;
    }
    return end;
}

// Where the exponent ("E+07", "e-5", with spaces after it) starts, at or after `from`; the
// text's size when it ends in none.
qsizetype ExponentStart(const QString& text, qsizetype from) {
    qsizetype start = text.size();
    while (start > from && text[start - 1].isSpace()) {
        --start;
    }
    qsizetype digitsEnd = start;
    while (start > from && text[start - 1].isDigit()) {
        --start;
    }
    if (start > from && start < digitsEnd && IsSign(text[start - 1])) {
        --start;
    }
    bool marked = start > from && start < digitsEnd && text[start - 1].toUpper() == u'E';
    return marked ? start - 1 : text.size();
}

// The head leaves out the leading spaces, which carry nothing (a positive result's sign
// place) and take room that the digits need.
Parts Split(const QString& text, const QString& decimal) {
    qsizetype headEnd = HeadEnd(text, decimal);
    qsizetype exponentStart = headEnd == 0 ? text.size() : ExponentStart(text, headEnd);
    QString head = text.first(headEnd).trimmed();
    return {head, text.sliced(headEnd, exponentStart - headEnd), text.sliced(exponentStart)};
}

// The first `kept` characters of the middle, without a decimal separator or half a
// surrogate pair left dangling before the ellipsis.
QString KeptOf(const QString& middle, qsizetype kept, const QString& decimal) {
    QString start = middle.first(kept);
    if (start.endsWith(decimal)) {
        start.chop(decimal.size());
    }
    if (!start.isEmpty() && start.back().isHighSurrogate()) {
        start.chop(1);
    }
    return start;
}

QString Cut(const Parts& parts, qsizetype kept, const QString& decimal) {
    return parts.head + KeptOf(parts.middle, kept, decimal) + kEllipsis + parts.exponent;
}

// The largest number of middle characters, below all of them, with which the cut text fits;
// nullopt when none does. Widths grow with the characters kept, so it is searched by halves.
std::optional<qsizetype> MostKept(const Parts& parts, const std::function<bool(qsizetype)>& fits) {
    if (parts.middle.isEmpty() || !fits(0)) {
        return std::nullopt;
    }
    qsizetype fitting = 0;
    qsizetype tooMany = parts.middle.size();
    while (tooMany - fitting > 1) {
        qsizetype tried = fitting + (tooMany - fitting) / 2;
        (fits(tried) ? fitting : tooMany) = tried;
    }
    return fitting;
}

std::optional<QString> LongestCut(const Parts& parts, const QString& decimal, int room, double size,
                                  const TextWidth& width) {
    auto fits = [&](qsizetype kept) { return width(Cut(parts, kept, decimal), size) <= room; };
    std::optional<qsizetype> kept = MostKept(parts, fits);
    return kept ? std::optional(Cut(parts, *kept, decimal)) : std::nullopt;
}

}  // namespace

PaintedText PaintedIn(const QString& text, const QString& decimalSeparator, int room,
                      double pointSize, const TextWidth& width) {
    Parts parts = Split(text, decimalSeparator);
    double smallest = std::min(pointSize, kSmallestFaceSize);
    for (double size = pointSize; size >= smallest; size -= kFaceSizeStep) {
        if (width(text, size) <= room) {
            return {text, size};
        }
        if (std::optional<QString> cut = LongestCut(parts, decimalSeparator, room, size, width)) {
            return {*cut, size};
        }
    }
    Parts startOnly{{}, text, {}};
    return {LongestCut(startOnly, decimalSeparator, room, smallest, width).value_or(kEllipsis),
            smallest};
}

}  // namespace varnel::window
