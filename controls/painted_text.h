// What a text box paints while it does not have the keyboard focus: its text whole where it
// fits, otherwise the text cut in the middle and marked with an ellipsis, keeping what
// carries a number's magnitude, so that a box never shows another number than it holds.
//
// Plain C++ on UTF-16 texts, the code units of both the window's strings and the page's: the
// window and the page (through the WebAssembly module) paint by this one rule, each measuring
// widths in its own faces through the callback.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::window {

// The width in pixels that a box needs to show `text` in its face at `pointSize`.
using TextWidth = std::function<double(std::u16string_view text, double pointSize)>;

inline constexpr char16_t kEllipsis = u'\u2026';

// A box's face is reduced in quarter points, down to 6 points at the least.
inline constexpr double kFaceSizeStep = 0.25;
inline constexpr double kSmallestFaceSize = 6.0;

struct PaintedText {
    std::u16string text;
    double pointSize;

    bool operator==(const PaintedText&) const = default;
};

// The text to paint in `room` pixels, in the box's face at `pointSize` or smaller.
// A text that fits is painted whole. A wider one is cut in the middle and marked with "…":
// its head (the sign and everything up to the decimal separator or a letter, without the
// leading spaces) and its exponent ("E-06" at the end) are kept whole, with as many of the
// characters between them as fit. Where even the head, the ellipsis and the exponent do not
// fit, the face is reduced in quarter points until they do, down to 6 points; below that,
// and for a text that does not start as a number does, the text keeps its start and is cut
// at the end. With every character 1 pixel wide at any size,
// PaintedIn(u" 8.15247859090051E-06", u".", 14, 9, width) == {u"8.1524785…E-06", 9}.
//
// Digits are the ASCII digits, which every number the core writes uses. Letters are the
// ASCII letters and every other character above U+007F except spaces and punctuation
// (a group separator such as U+2019 or U+202F is no letter).
PaintedText PaintedIn(std::u16string_view text, std::u16string_view decimalSeparator, double room,
                      double pointSize, const TextWidth& width);

// The largest face, in quarter points from `pointSize` down to 6 points at the least, in
// which every one of `texts` fits `room` pixels: how a unit box shows every unit name whole.
// Widths grow almost in proportion to the size, so the search starts at the size at which the
// widest text would just fit and steps down while hinting makes it wider. With every
// character 1 pixel wide at 9 points, FittedFaceSize({u"FEET", u"METERS"}, 4, 9, width) == 6.
double FittedFaceSize(const std::vector<std::u16string>& texts, double room, double pointSize,
                      const TextWidth& width);

}  // namespace varnel::window
