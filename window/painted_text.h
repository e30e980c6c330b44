// What a text box paints while it does not have the keyboard focus: its text whole where it
// fits, otherwise the text cut in the middle and marked with an ellipsis, keeping what
// carries a number's magnitude, so that a box never shows another number than it holds.
#pragma once

#include <QString>
#include <functional>

namespace varnel::window {

// The width in pixels that a box needs to show `text` in its face at `pointSize`.
using TextWidth = std::function<int(const QString& text, double pointSize)>;

inline constexpr QChar kEllipsis{0x2026};

// A box's face is reduced in quarter points, down to 6 points at the least.
inline constexpr double kFaceSizeStep = 0.25;
inline constexpr double kSmallestFaceSize = 6.0;

struct PaintedText {
    QString text;
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
// PaintedIn(" 8.15247859090051E-06", ".", 14, 9, width) == {"8.1524785…E-06", 9}.
PaintedText PaintedIn(const QString& text, const QString& decimalSeparator, int room,
                      double pointSize, const TextWidth& width);

}  // namespace varnel::window
