// How well one colour reads on another, by the relative luminance and contrast ratio of
// WCAG 2, for choosing text and focus-mark colours on the window's fixed cyan and red.
// Plain C++: no toolkit.
//
// Contract: channels are 8-bit sRGB values, 0 to 255. RelativeLuminance gives 0 for black
// and 1 for white. ContrastRatio gives (L1 + 0.05) / (L2 + 0.05) with L1 the lighter of the
// two, from 1 (the same colour) to 21 (black on white), the same either way round.
//
// Worked example, white text on cyan (0,255,255): the channels become linear light
// 0, 1 and 1, so L(cyan) = 0.2126 * 0 + 0.7152 * 1 + 0.0722 * 1 = 0.7874, and
// ContrastRatio(white, cyan) = (1 + 0.05) / (0.7874 + 0.05) = 1.25: unreadable, below the
// 4.5 that text needs. Black on cyan gives (0.7874 + 0.05) / 0.05 = 16.7.
#pragma once

namespace varnel::window {

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// The least contrast at which text reads (WCAG 2, level AA, normal text).
inline constexpr double kTextContrast = 4.5;

double RelativeLuminance(Rgb colour);

double ContrastRatio(Rgb first, Rgb second);

// The system's text colour where it reads on the background, black otherwise:
// ReadableText(white, cyan) == black, ReadableText(black, cyan) == black.
Rgb ReadableText(Rgb systemText, Rgb background);

// Black or white, whichever stands out more from the face it is drawn on; at least 4.58:1
// on any face. MarkOn(red) == black (5.25:1, where white gives 4.0:1).
Rgb MarkOn(Rgb face);

}  // namespace varnel::window
