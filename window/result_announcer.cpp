#include "result_announcer.h"

#include <QAccessible>
#include <QWidget>

namespace varnel::window {

ResultAnnouncer::ResultAnnouncer(QWidget* window) : QObject(window) {}

void ResultAnnouncer::Announce(const QString& text) {
    text_ = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void ResultAnnouncer::Clear() {
    if (text_.isEmpty()) {
        return;
    }
    text_.clear();
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

}  // namespace varnel::window
