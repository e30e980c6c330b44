// A dark desktop's colours, as a dark theme hands them to the application: light text on
// dark grey windows, buttons and boxes.
#pragma once

#include <QColor>
#include <QPalette>

namespace varnel::window::testing {

inline QPalette DarkPalette() {
    const QColor window(53, 53, 53);
    const QColor text(255, 255, 255);
    QPalette dark(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                  text, QColor(45, 45, 45), window);
    dark.setColor(QPalette::Highlight, QColor(53, 132, 228));
    dark.setColor(QPalette::HighlightedText, text);
    return dark;
}

}  // namespace varnel::window::testing
