#include "painted_qt_text.h"

namespace varnel::window {

PaintedQText PaintedIn(const QString& text, const QString& decimalSeparator, int room,
                       double pointSize, const QTextWidth& width) {
    auto measured = [&width](std::u16string_view shown, double size) -> double {
        return width(QStringView(shown).toString(), size);
    };
    PaintedText painted = PaintedIn(text.toStdU16String(), decimalSeparator.toStdU16String(), room,
                                    pointSize, measured);
    return {QString::fromStdU16String(painted.text), painted.pointSize};
}

}  // namespace varnel::window
