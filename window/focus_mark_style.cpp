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

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelLineEdit || !HasFocus(option) ||
        qstyleoption_cast<const QStyleOptionFrame*>(option) == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionFrame unfocused = WithoutFocus<QStyleOptionFrame>(option);
    QProxyStyle::drawPrimitive(element, &unfocused, painter, widget);
    DrawFocusRing(painter, option->rect, FrameWidth(option, widget),
                  option->palette.color(QPalette::Base));
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != CE_PushButton || !HasFocus(option) ||
        qstyleoption_cast<const QStyleOptionButton*>(option) == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton unfocused = WithoutFocus<QStyleOptionButton>(option);
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    DrawFocusRing(painter, option->rect, FrameWidth(option, widget),
                  option->palette.color(QPalette::Button));
}

}  // namespace varnel::window
