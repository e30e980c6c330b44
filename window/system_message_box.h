// The modal message box of the system the program runs on.
#pragma once

#include <QString>

class QWidget;

namespace varnel::window {

// Shows text under caption in a modal box with one OK button over owner's window, and returns
// once the user has dismissed it. On Windows it is the system's own message box, as every
// Windows program shows it; elsewhere Qt's. ShowSystemMessageBox(form, "VARNEL", "You have to
// fill in two of the fields!") shows that sentence under the caption VARNEL.
void ShowSystemMessageBox(QWidget* owner, const QString& caption, const QString& text);

}  // namespace varnel::window
