// Draws the window as a user sees it after a press of CALCULATE and saves it as a PNG:
//   window_screenshot <file.png> [resistance | length | wire-size | circular-mils |
//                                 square-inches | length-in-inches] [dark]
// The second word names what the press solves (the resistance by default): the resistance
// of AWG 10 over 1000 feet, the length of AWG 10 at 1 ohm, or the wire size, in AWG or in
// circular mils, of 1000 feet at 1 ohm; or two results in exponent form, wider than their
// boxes: the wire size in square inches of 1000 feet at 1000 ohms, and the length in inches
// of 4/0 at 50 ohms. With "dark" the window is drawn in a dark desktop's colours. The wire
// size has the keyboard focus, as when the window opens; after the two exponent results,
// CALCULATE keeps it, as a click leaves it, so that the result is drawn as a box without the
// focus shows it. It runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another
// (xcb under Xvfb, say); QT_SCALE_FACTOR gives a high-resolution picture.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

#include "dark_palette.h"
#include "form1.h"

namespace {

struct Press {
    const char* solves;
    int wireSizeUnitSteps;
    int lengthUnitSteps;
    const char* wireSize;
    const char* length;
    const char* resistance;
    bool focusOnWireSize;
};

constexpr std::array<Press, 6> kPresses{{
    {"resistance", 0, 0, "10", "1000", "", true},
    {"length", 0, 0, "10", "", "1", true},
    {"wire-size", 0, 0, "", "1000", "1", true},
    {"circular-mils", 1, 0, "", "1000", "1", true},
    {"square-inches", 2, 0, "", "1000", "1000", false},
    {"length-in-inches", 0, 2, "4/0", "", "50", false},
}};

const Press* FindPress(const QString& solves) {
    for (const Press& press : kPresses) {
        if (solves == QLatin1String(press.solves)) {
            return &press;
        }
    }
    return nullptr;
}

void Click(varnel::window::Form1& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

void Type(varnel::window::Form1& form, const char* field, const char* text) {
    QTest::keyClicks(form.findChild<QLineEdit*>(QLatin1String(field)), QLatin1String(text));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QStringList words = QApplication::arguments().mid(1);
    const Press* press = FindPress(words.value(1, QStringLiteral("resistance")));
    if (words.isEmpty() || words.size() > 3 || press == nullptr ||
        (words.size() == 3 && words.at(2) != QLatin1String("dark"))) {
        qCritical(
            "usage: window_screenshot <file.png> [resistance | length | wire-size | "
            "circular-mils | square-inches | length-in-inches] [dark]");
        return 2;
    }
    if (words.size() == 3) {
        QApplication::setPalette(varnel::window::testing::DarkPalette());
    }
    varnel::window::Form1 form(QLocale(QLocale::English, QLocale::UnitedStates));
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        qCritical("the window did not become active");
        return 1;
    }
    for (int step = 0; step < press->wireSizeUnitSteps; ++step) {
        Click(form, "Command2");
    }
    for (int step = 0; step < press->lengthUnitSteps; ++step) {
        Click(form, "Command3");
    }
    Type(form, "WIRESIZE", press->wireSize);
    Type(form, "WIRELENGTH", press->length);
    Type(form, "RESISTANCE", press->resistance);
    Click(form, "Command1");
    if (press->focusOnWireSize) {
        form.findChild<QLineEdit*>(QStringLiteral("WIRESIZE"))->setFocus();
    }
    return form.grab().save(words.at(0)) ? 0 : 1;
}
