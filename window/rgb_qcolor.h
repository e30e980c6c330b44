// Colours between the toolkit-free Rgb of contrast.h and Qt's QColor.
#pragma once

#include <QColor>

#include "contrast.h"

namespace varnel::window {

inline QColor ToQColor(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

inline Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace varnel::window
