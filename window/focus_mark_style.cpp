#include "focus_mark_style.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOption>

#include "contrast.h"
#include "rgb_qcolor.h"

namespace varnel::window {
namespace {

constexpr int kRingWidth = 2;

// The ring lies just inside the frame, `frameWidth` pixels wide, that the style draws at the
// control's edge: where the control without the focus shows its face.
void DrawFocusRing(QPainter* painter, const QRect& control, int frameWidth, const QColor& face) {
    QRect ring = control.adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    qDrawPlainRect(painter, ring, ToQColor(MarkOn(ToRgb(face))), kRingWidth);
}

// The option as the style sees it for a control without the focus.
template <typename Option>
Option WithoutFocus(const QStyleOption* option) {
    Option unfocused = *qstyleoption_cast<const Option*>(option);
    unfocused.state &= ~QStyle::State_HasFocus;
    return unfocused;
}

bool HasFocus(const QStyleOption* option) {
    return option->state.testFlag(QStyle::State_HasFocus);
}

}  // namespace

FocusMarkStyle::FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}

int FocusMarkStyle::FrameWidth(const QStyleOption* option, const QWidget* widget) const {
    return pixelMetric(PM_DefaultFrameWidth, option, widget);
}

// Draws a focused control of option type Option through `draw` as if it had no focus, then
// the ring inside its frame; false, drawing nothing, for any other option.
template <typename Option, typename Draw>
bool FocusMarkStyle::DrawWithRing(const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget, QPalette::ColorRole face,
                                  Draw draw) const {
    if (!HasFocus(option) || qstyleoption_cast<const Option*>(option) == nullptr) {
        return false;
    }
    Option unfocused = WithoutFocus<Option>(option);
    draw(&unfocused);
    DrawFocusRing(painter, option->rect, FrameWidth(option, widget), option->palette.color(face));
    return true;
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    auto draw = [&](const QStyleOption* drawn) {
        QProxyStyle::drawPrimitive(element, drawn, painter, widget);
    };
    if (element != PE_PanelLineEdit ||
        !DrawWithRing<QStyleOptionFrame>(option, painter, widget, QPalette::Base, draw)) {
        draw(option);
    }
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    auto draw = [&](const QStyleOption* drawn) {
        QProxyStyle::drawControl(element, drawn, painter, widget);
    };
    if (element != CE_PushButton ||
        !DrawWithRing<QStyleOptionButton>(option, painter, widget, QPalette::Button, draw)) {
        draw(option);
    }
}

}  // namespace varnel::window
