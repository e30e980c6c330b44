#include "contrast.h"

#include <cmath>
#include <utility>

namespace varnel::window {
namespace {

// An 8-bit sRGB channel as linear light, 0 to 1.
double LinearChannel(int channel) {
    double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    double lighter = RelativeLuminance(first);
    double darker = RelativeLuminance(second);
    if (lighter < darker) {
        std::swap(lighter, darker);
    }
    return (lighter + 0.05) / (darker + 0.05);
}

Rgb ReadableText(Rgb systemText, Rgb background) {
    return ContrastRatio(systemText, background) >= kTextContrast ? systemText : kBlack;
}

Rgb MarkOn(Rgb face) {
    return ContrastRatio(kBlack, face) >= ContrastRatio(kWhite, face) ? kBlack : kWhite;
}

}  // namespace varnel::window
