#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <ostream>

#include "control_table.h"
#include "form1_harness.h"
#include "qt_text.h"
#include "units.h"

namespace varnel::window {
namespace {

using namespace testing;

const QColor kCyan(0, 255, 255);

QRect PixelRect(const ControlRow& row) {
    return {TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width),
            TwipsToPixels(row.height)};
}

const ControlRow& Row(std::string_view name) {
    for (const ControlRow& row : kControlTable) {
        if (row.name == name) {
            return row;
        }
    }
    throw std::invalid_argument(std::string(name));
}

// The scale the tests run at: 1 unless QT_SCALE_FACTOR sets another, such as 1.25.
double ScreenScale() {
    bool isSet = false;
    double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isSet);
    return isSet ? scale : 1.0;
}

class Look : public Form1Harness {
  protected:
    QColor PixelAt(int x, int y) { return ColourAt(form->grab().toImage(), x, y); }
};

TEST_F(Look, PictureHasTheDevicePixelsOfTheScale) {
    QImage picture = form->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(441, 417) * ScreenScale());
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ScreenScale());
}

TEST_F(Look, WindowIsTheClientAreaOfTheTable) {
    EXPECT_EQ(form->windowTitle(), "Varnel");
    EXPECT_EQ(form->size(), QSize(441, 417));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->windowIcon().availableSizes().value(0), QSize(64, 64));
}

TEST_F(Look, FixedWindowOffersMinimiseAndCloseButNoMaximise) {
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    form->setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_EQ(form->size(), QSize(441, 417));
}

TEST_F(Look, TextBoxesAndTheSubtitleUseAProportionalFace) {
    for (const char* name :
         {"WIRESIZE", "WIREUNIT", "WIRELENGTH", "LENGTHUNIT", "RESISTANCE", "Label9"}) {
        QFontInfo used(Control(name)->font());
        EXPECT_FALSE(used.fixedPitch()) << name << " is drawn in " << used.family().toStdString();
    }
}

TEST_F(Look, EachControlStandsWhereTheTablePutsIt) {
    for (const ControlRow& row : kControlTable) {
        QWidget* control = Control(row.name.data());
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), PixelRect(row)) << row.name;
        EXPECT_EQ(control->property("text").toString(),
                  QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())))
            << row.name;
    }
}

struct PixelCase : NamedCase {
    int x;
    int y;
    QColor colour;
};

class Pixels : public Look, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(Pixels, HaveTheColourOfTheTable) {
    EXPECT_EQ(PixelAt(GetParam().x, GetParam().y).name(), GetParam().colour.name())
        << "at " << GetParam().x << "," << GetParam().y;
}

const QColor kBlack(0, 0, 0);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Window, Pixels,
    ::testing::Values(
        PixelCase{"SizePanel", 410, 150, kCyan},
        PixelCase{"LengthPanel", 410, 230, kCyan},
        PixelCase{"ResistancePanel", 400, 340, kCyan},
        PixelCase{"SizePanelOutlineLeft", 24, 150, kBlack},
        PixelCase{"SizePanelOutlineTopCoversLabel8", 200, 104, kBlack},
        PixelCase{"ResistancePanelOutlineBottom", 200, 352, kBlack},
        PixelCase{"WireSizeLabelBackground", 133, 113, kCyan},
        PixelCase{"UnitsLabelBackground", 368, 113, kCyan},
        PixelCase{"LengthLabelBackground", 117, 201, kCyan},
        PixelCase{"OhmsLabelBackground", 255, 335, kCyan}),
    CaseName());
// clang-format on

TEST_F(Look, HeadingsStandOnTheWindowBackground) {
    QColor face = form->palette().color(QPalette::Window);
    EXPECT_EQ(PixelAt(5, 10).name(), face.name()) << "Label1";
    EXPECT_EQ(PixelAt(5, 103).name(), face.name()) << "Label8, just above the panel";
}

TEST_F(Look, CalculateHasARedFace) {
    QRect button = PixelRect(Row("Command1"));
    QColor face = PixelAt(button.left() + 8, button.center().y());
    EXPECT_GT(face.red(), 200);
    EXPECT_LT(face.green(), 60);
    EXPECT_LT(face.blue(), 60);
    QColor change =
        PixelAt(PixelRect(Row("Command2")).left() + 8, PixelRect(Row("Command2")).center().y());
    EXPECT_GT(change.green(), 150) << "the CHANGE buttons keep the system's button colour";
}

class Texts : public Look, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(Texts, FitTheirBoxesInTheFontUsed) {
    const ControlRow& row = GetParam();
    QWidget* control = Control(row.name.data());
    QFontMetrics metrics(control->font());
    QString text = QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
    EXPECT_LE(metrics.horizontalAdvance(text), control->width()) << row.name;
    EXPECT_LE(metrics.height(), control->height()) << row.name;
    if (row.pointSize > 0) {
        QFontInfo used(control->font());
        EXPECT_TRUE(used.family() == QString::fromUtf8(kTableFontFamily.data()) ||
                    used.family() == QString::fromUtf8(kSubstituteFontFamily.data()))
            << row.name << " is drawn in " << used.family().toStdString();
        EXPECT_TRUE(used.bold()) << row.name;
        EXPECT_EQ(used.pointSizeF(), row.pointSize) << row.name;
    }
}

std::vector<ControlRow> LabelsAndButtons() {
    std::vector<ControlRow> rows;
    for (const ControlRow& row : kControlTable) {
        if (row.kind != ControlKind::Panel && row.kind != ControlKind::TextBox &&
            row.kind != ControlKind::UnitBox) {
            rows.push_back(row);
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(LabelsAndButtons, Texts, ::testing::ValuesIn(LabelsAndButtons()),
                         CaseName());

struct UnitBoxCase : NamedCase {
    const char* button;
    const char* box;
    std::vector<QString> cycle;  // the names after one step, two, ..., back to the first unit
};

// A unit table's names in the order its CHANGE button steps to them from the first unit.
template <typename UnitTable>
std::vector<QString> CycleFromTheFirst(const UnitTable& units) {
    std::vector<QString> names;
    for (std::size_t step = 1; step <= units.size(); ++step) {
        names.push_back(ToQString(units[step % units.size()].name));
    }
    return names;
}

class UnitNames : public Look, public ::testing::WithParamInterface<UnitBoxCase> {};

// The unit box's text, whole in a face no larger than the window's.
void ExpectShownWhole(QLineEdit* box, QWidget* window) {
    QFontInfo used(box->font());
    EXPECT_TRUE(ShowsWhole(box)) << box->text().toStdString() << " in "
                                 << used.family().toStdString() << " at " << used.pointSizeF()
                                 << " pt";
    EXPECT_LE(used.pointSizeF(), QFontInfo(window->font()).pointSizeF());
}

// The text the window opens with, then every name of a whole cycle.
TEST_P(UnitNames, AreShownWholeInTheirBox) {
    QLineEdit* box = Field(GetParam().box);
    ASSERT_EQ(box->text(), ToQString(Row(GetParam().box).text));
    ExpectShownWhole(box, form.get());
    for (const QString& name : GetParam().cycle) {
        Click(GetParam().button);
        ASSERT_EQ(box->text(), name);
        ExpectShownWhole(box, form.get());
    }
}

INSTANTIATE_TEST_SUITE_P(Units, UnitNames,
                         ::testing::Values(UnitBoxCase{"WireSize", "Command2", "WIREUNIT",
                                                       CycleFromTheFirst(SIZE_UNITS)},
                                           UnitBoxCase{"Length", "Command3", "LENGTHUNIT",
                                                       CycleFromTheFirst(LENGTH_UNITS)}),
                         CaseName());

}  // namespace
}  // namespace varnel::window
