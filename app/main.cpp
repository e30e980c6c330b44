// The program's entry: it creates the application, shows the window and returns when the
// window is closed.
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnel.Varnel"));
    varnel::window::Form1 form;
    form.show();
    return QApplication::exec();
}
