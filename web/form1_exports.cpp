#include "form1_exports.h"

#include <string>

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

}  // namespace

extern "C" {

const VarnelPaintedText* VarnelPaintedIn(const char16_t* text, const char16_t* decimalSeparator,
                                         double room, double pointSize, VarnelTextWidth width) {
    auto measured = [width](std::u16string_view shown, double size) {
        std::u16string ended(shown);
        return width(ended.c_str(), size);
    };
    PaintedText painted = PaintedIn(text, decimalSeparator, room, pointSize, measured);
    HeldPainted& held = LastPainted();
    held.text = std::move(painted.text);
    held.painted = {painted.pointSize, held.text.c_str()};
    return &held.painted;
}

const char* VarnelAnnouncement(const char* field, const char* written, const char* wireUnit,
                               const char* lengthUnit) {
    LastAnnouncement() = Announcement(field, written, {wireUnit, lengthUnit});
    return LastAnnouncement().c_str();
}
}
