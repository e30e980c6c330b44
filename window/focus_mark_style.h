// The style of Form1's text boxes and buttons: the base style draws each control as it
// would without the focus, and the control that has the keyboard focus gets a solid ring
// 2 pixels wide just inside the frame at its edge, black or white, whichever stands out more
// from the control's face (at least 4.5:1), in light and dark themes alike.
#pragma once

#include <QProxyStyle>

namespace varnel::window {

class FocusMarkStyle : public QProxyStyle {
  public:
    // Draws over `base`, which it takes over; without one, over the application's style.
    explicit FocusMarkStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

  private:
    int FrameWidth(const QStyleOption* option, const QWidget* widget) const;
};

}  // namespace varnel::window
