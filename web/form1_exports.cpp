#include "form1_exports.h"

#include <string>
#include <vector>

#include "announcement.h"
#include "painted_text.h"

namespace {

using namespace varnel::window;

struct HeldPainted {
    std::u16string text;
    VarnelPaintedText painted{};
};

HeldPainted& LastPainted() {
    static HeldPainted held;
    return held;
}

std::string& LastAnnouncement() {
    static std::string held;
    return held;
}

// The page's measure, called with each text ended in 0.
TextWidth Measured(VarnelTextWidth width) {
    return [width](std::u16string_view shown, double size) {
        std::u16string ended(shown);
        return width(ended.c_str(), size);
    };
}

}  // namespace

extern "C" {

const VarnelPaintedText* VarnelPaintedIn(const char16_t* text, const char16_t* decimalSeparator,
                                         double room, double pointSize, VarnelTextWidth width) {
    PaintedText painted = PaintedIn(text, decimalSeparator, room, pointSize, Measured(width));
    HeldPainted& held = LastPainted();
    held.text = std::move(painted.text);
    held.painted = {painted.pointSize, held.text.c_str()};
    return &held.painted;
}

double VarnelFittedFace(const char16_t* lines, double room, double pointSize,
                        VarnelTextWidth width) {
    std::vector<std::u16string> texts;
    std::u16string_view rest(lines);
    for (std::size_t end = rest.find(u'\n'); end != std::u16string_view::npos;
         end = rest.find(u'\n')) {
        texts.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    texts.emplace_back(rest);
    return FittedFaceSize(texts, room, pointSize, Measured(width));
}

const char* VarnelAnnouncement(const char* field, const char* written, const char* wireUnit,
                               const char* lengthUnit) {
    LastAnnouncement() = Announcement(field, written, {wireUnit, lengthUnit});
    return LastAnnouncement().c_str();
}
}
