// The painted-text rule of the control library (controls/painted_text.h) on the window's
// strings and in its pixels: what a text box paints while it does not have the focus.
#pragma once

#include <QString>
#include <functional>

#include "painted_text.h"

namespace varnel::window {

struct PaintedQText {
    QString text;
    double pointSize;
};

// The width in pixels that a box needs to show `text` in its face at `pointSize`.
using QTextWidth = std::function<int(const QString& text, double pointSize)>;

PaintedQText PaintedIn(const QString& text, const QString& decimalSeparator, int room,
                       double pointSize, const QTextWidth& width);

}  // namespace varnel::window
