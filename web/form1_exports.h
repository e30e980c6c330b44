// The window's own rules as the web page calls them, exported from the WebAssembly module:
// the painted text of a box too narrow for its text, and what a press announces. Each result
// stays valid until the next call of the same function.
#pragma once

#include <cstdint>

extern "C" {

// The width in CSS pixels that a box needs to show `text` (UTF-16, ending in 0) in its face
// at `pointSize`; the page measures it in the box's own face.
using VarnelTextWidth = double (*)(const char16_t* text, double pointSize);

// Two words in WebAssembly: the point size at offset 0, the UTF-16 text (ending in 0) at 8.
struct VarnelPaintedText {
    double pointSize;
    const char16_t* text;
};

// What a box of `room` pixels paints of `text` at `pointSize` or smaller (painted_text.h).
const VarnelPaintedText* VarnelPaintedIn(const char16_t* text, const char16_t* decimalSeparator,
                                         double room, double pointSize, VarnelTextWidth width);

// The largest face, at `pointSize` or below, in which every one of `lines` (UTF-16 texts
// parted by line feeds, ending in 0) fits a box of `room` pixels (painted_text.h).
double VarnelFittedFace(const char16_t* lines, double room, double pointSize,
                        VarnelTextWidth width);

// What screen readers say after a press wrote `written` into the control `field`, the unit
// boxes showing `wireUnit` and `lengthUnit` (announcement.h), in UTF-8.
const char* VarnelAnnouncement(const char* field, const char* written, const char* wireUnit,
                               const char* lengthUnit);
}
