#include "system_message_box.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <QWidget>
#else
#include <QMessageBox>
#endif

namespace varnel::window {

#ifdef Q_OS_WIN
void ShowSystemMessageBox(QWidget* owner, const QString& caption, const QString& text) {
    auto ownerWindow = reinterpret_cast<HWND>(owner->window()->winId());
    MessageBoxW(ownerWindow, reinterpret_cast<const wchar_t*>(text.utf16()),
                reinterpret_cast<const wchar_t*>(caption.utf16()), MB_OK);
}
#else
void ShowSystemMessageBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}
#endif

}  // namespace varnel::window
