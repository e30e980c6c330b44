// What a press has screen readers say without moving the focus: the result it wrote
// ("RESISTANCE 0.999933931240995 ohms") or the unit it chose ("CIRCULAR MILS").
//
// Qt 6.4 has no announcement event, and Orca 43 cannot speak the description change that Qt
// 6.4 sends (it carries the object, not the text). Orca speaks a notification as it is shown,
// on X11 and Wayland alike: so the announcer is an accessible notification of the window
// (accessibility.h) named by what it announces, shown on each announcement. It holds its text
// only while that text is true; Clear empties and hides it.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace varnel::window {

class ResultAnnouncer : public QObject {
    Q_OBJECT

  public:
    explicit ResultAnnouncer(QWidget* window);

    // Replaces what the announcer holds by `text` and has screen readers speak it.
    void Announce(const QString& text);

    // Empties the announcer, silently.
    void Clear();

    const QString& Text() const { return text_; }

  private:
    QString text_;
};

}  // namespace varnel::window
