// Draws the window as a user sees it after a press of CALCULATE and saves it as a PNG:
//   window_screenshot <file.png>
// It runs on Qt's offscreen platform; QT_SCALE_FACTOR gives a high-resolution picture.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "form1.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        qCritical("usage: window_screenshot <file.png>");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    varnel::window::Form1 form(QLocale(QLocale::English, QLocale::UnitedStates));
    form.show();
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("WIRESIZE")), "10");
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("WIRELENGTH")), "1000");
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    form.findChild<QLineEdit*>(QStringLiteral("WIRESIZE"))->setFocus();
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
