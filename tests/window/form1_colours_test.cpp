#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QWidget>
#include <ostream>

#include "contrast.h"
#include "dark_palette.h"
#include "form1_harness.h"
#include "rgb_qcolor.h"

namespace varnel::window {
namespace {

using testing::ColourAt;
using testing::DarkPalette;
using testing::Form1Harness;

constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kRed{255, 0, 0};

struct ContrastCase {
    const char* name;
    Rgb text;
    Rgb background;
    double ratio;
    friend void PrintTo(const ContrastCase& c, std::ostream* os) { *os << c.name; }
};

class Contrast : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(Contrast, IsTheRatioOfRelativeLuminances) {
    EXPECT_NEAR(ContrastRatio(GetParam().text, GetParam().background), GetParam().ratio, 0.01);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Colours, Contrast, ::testing::Values(
    ContrastCase{"WhiteOnCyan", kWhite, kCyan, 1.25},
    ContrastCase{"BlackOnRed", kBlack, kRed, 5.25},
    ContrastCase{"MidGreyOnWhite", Rgb{119, 119, 119}, kWhite, 4.48},
    ContrastCase{"BlackOnWhite", kBlack, kWhite, 21.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A light desktop whose text is navy: it reads on cyan (12.8:1) but not on red (4.0:1).
QPalette NavyTextPalette() {
    QPalette navy = QApplication::style()->standardPalette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        navy.setColor(role, QColor(0, 0, 128));
    }
    return navy;
}

QPalette LightPalette() {
    return QApplication::style()->standardPalette();
}

// Changes the desktop's colours as a desktop does, and restores them after each test.
class DesktopColours : public Form1Harness {
  protected:
    // The application hands a new palette to its widgets through posted events.
    static void SetDesktopPalette(const QPalette& palette) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }

    void TearDown() override { SetDesktopPalette(saved_); }

  private:
    QPalette saved_ = QApplication::palette();
};

struct ReadableCase {
    const char* name;
    QPalette (*atOpening)();
    QPalette (*whileOpen)();
    const char* control;
    QPalette::ColorRole role;
    QColor colour;
    friend void PrintTo(const ReadableCase& c, std::ostream* os) { *os << c.name; }
};

class ReadableText : public DesktopColours, public ::testing::WithParamInterface<ReadableCase> {};

TEST_P(ReadableText, KeepsTheSystemColourWhereItReadsAndIsBlackOtherwise) {
    SetDesktopPalette(GetParam().atOpening());
    Open();
    SetDesktopPalette(GetParam().whileOpen());
    EXPECT_EQ(Control(GetParam().control)->palette().color(GetParam().role).name(),
              GetParam().colour.name());
}

const QColor kNavy(0, 0, 128);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Desktops, ReadableText, ::testing::Values(
    ReadableCase{"NavyOnCyanStays", NavyTextPalette, NavyTextPalette, "Label5", QPalette::WindowText, kNavy},
    ReadableCase{"NavyOnRedTurnsBlack", NavyTextPalette, NavyTextPalette, "Command1", QPalette::ButtonText, Qt::black},
    ReadableCase{"DarkAtOpeningLabel", DarkPalette, DarkPalette, "Label2", QPalette::WindowText, Qt::black},
    ReadableCase{"DarkAtOpeningCalculate", DarkPalette, DarkPalette, "Command1", QPalette::ButtonText, Qt::black},
    ReadableCase{"DarkWhileOpenCalculate", LightPalette, DarkPalette, "Command1", QPalette::ButtonText, Qt::black},
    ReadableCase{"NavyAfterDarkLabel", DarkPalette, NavyTextPalette, "Label3", QPalette::WindowText, kNavy},
    ReadableCase{"DarkTextBoxKeepsItsWhite", LightPalette, DarkPalette, "WIRESIZE", QPalette::Text, Qt::white},
    ReadableCase{"DarkChangeKeepsItsWhite", LightPalette, DarkPalette, "Command2", QPalette::ButtonText, Qt::white},
    ReadableCase{"DarkWindowKeepsItsGrey", LightPalette, DarkPalette, "Label1", QPalette::Window, QColor(53, 53, 53)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FocusCase {
    const char* name;
    const char* control;
    QPalette (*desktop)();
    friend void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }
};

class FocusMark : public DesktopColours, public ::testing::WithParamInterface<FocusCase> {};

// Along the middle row, at least 2 of the 6 pixels next to the right edge mark the focus:
// each has at least 3:1 against the same pixel without the focus and against the face.
TEST_P(FocusMark, StandsOutFromTheControlWithoutTheFocus) {
    SetDesktopPalette(GetParam().desktop());
    QWidget* control = Control(GetParam().control);
    Control("WIRELENGTH")->setFocus();
    QImage before = control->grab().toImage();
    control->setFocus();
    QImage after = control->grab().toImage();
    int middle = control->height() / 2;
    Rgb face = ToRgb(ColourAt(after, control->width() - 9, middle));
    int marked = 0;
    for (int x = control->width() - 6; x < control->width(); ++x) {
        Rgb mark = ToRgb(ColourAt(after, x, middle));
        marked += ContrastRatio(mark, ToRgb(ColourAt(before, x, middle))) >= 3.0 &&
                  ContrastRatio(mark, face) >= 3.0;
    }
    EXPECT_GE(marked, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, FocusMark, ::testing::Values(
    FocusCase{"TextBoxLight", "WIRESIZE", LightPalette},
    FocusCase{"TextBoxDark", "WIRESIZE", DarkPalette},
    FocusCase{"ChangeLight", "Command2", LightPalette},
    FocusCase{"ChangeDark", "Command2", DarkPalette},
    FocusCase{"CalculateLight", "Command1", LightPalette},
    FocusCase{"CalculateDark", "Command1", DarkPalette}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace varnel::window
