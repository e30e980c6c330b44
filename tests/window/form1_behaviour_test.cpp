#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "application_identity.h"
#include "form1_harness.h"
#include "qt_text.h"
#include "result_announcer.h"
#include "text_box.h"
#include "units.h"

namespace varnel::window {
namespace {

using namespace testing;

class Presses : public Form1Harness {};

TEST_F(Presses, CalculateWritesTheBlankField) {
    Type("WIRESIZE", "10");
    Type("WIRELENGTH", "1000");
    Click("Command1");
    EXPECT_EQ(Text("RESISTANCE"), " 0.999933931240995");
    EXPECT_EQ(Text("WIRESIZE"), "10");
    EXPECT_EQ(Text("WIRELENGTH"), "1000");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Control("Command1")) << "the result is announced there";
    EXPECT_EQ(form->findChild<ResultAnnouncer*>()->Text(), "RESISTANCE 0.999933931240995 ohms");
}

TEST_F(Presses, ChangeButtonsStepTheUnitsUsedByTheNextPress) {
    Click("Command2");
    Click("Command3");
    EXPECT_EQ(Text("WIREUNIT"), "CIRCULAR MILS");
    EXPECT_EQ(Text("LENGTHUNIT"), "METERS");
    Type("WIRESIZE", "1973.5");
    Type("WIRELENGTH", "1000");
    Click("Command1");
    EXPECT_EQ(Text("RESISTANCE"), " 17.25608");
}

TEST_F(Presses, UnitsComeBackAfterAFullCycle) {
    for (std::size_t press = 0; press < kSizeUnitCount; ++press) {
        Click("Command2");
    }
    for (std::size_t press = 0; press < kLengthUnitCount; ++press) {
        Click("Command3");
    }
    EXPECT_EQ(Text("WIREUNIT"), ToQString(SizeUnitRow(SizeUnit::Awg).name));
    EXPECT_EQ(Text("LENGTHUNIT"), ToQString(LengthUnitRow(LengthUnit::Feet).name));
    Type("WIRESIZE", "10");
    Type("WIRELENGTH", "1000");
    Click("Command1");
    EXPECT_EQ(Text("RESISTANCE"), " 0.999933931240995") << "read in AWG and feet again";
}

TEST_F(Presses, CommaLocaleReadsAndWritesCommas) {
    Open(QLocale(QLocale::German, QLocale::Germany));
    Click("Command2");
    Click("Command2");
    Click("Command2");
    Click("Command2");
    Click("Command2");
    Click("Command3");
    Type("WIRESIZE", "2,5");
    Type("WIRELENGTH", "1.000");
    Click("Command1");
    EXPECT_EQ(Text("RESISTANCE"), " 6,902432");
}

struct MessageCase : NamedCase {
    const char* wireSize;
    const char* length;
    const char* resistance;
    const char* message;
    const char* focus;  // where the focus is once the message is dismissed
};

class PressMessages : public Form1Harness, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(PressMessages, ReachTheMessageSeamWithTheirExactText) {
    Type("WIRESIZE", GetParam().wireSize);
    Type("WIRELENGTH", GetParam().length);
    Type("RESISTANCE", GetParam().resistance);
    Click("Command1");
    EXPECT_EQ(messages, QStringList{GetParam().message});
    EXPECT_EQ(Text("WIRESIZE"), GetParam().wireSize);
    EXPECT_EQ(Text("WIRELENGTH"), GetParam().length);
    EXPECT_EQ(Text("RESISTANCE"), GetParam().resistance);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus->objectName(), GetParam().focus);
    if (auto* field = qobject_cast<QLineEdit*>(focus)) {
        EXPECT_EQ(field->selectedText(), field->text());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Presses, PressMessages,
    ::testing::Values(
        MessageCase{"AllBlank", "", "", "", "You have to fill in two of the fields!", "Command1"},
        MessageCase{"NoneBlank", "10", "1000", "1", "You have to leave one of the fields blank!", "Command1"},
        MessageCase{"SizeNotUnderstood", "1/O", "1000", "", "THE WIRESIZE YOU ENTERED IS NOT UNDERSTOOD.", "WIRESIZE"},
        MessageCase{"LengthNotUnderstood", "10", "ten", "", "THE WIRELENGTH YOU ENTERED IS NOT UNDERSTOOD.", "WIRELENGTH"},
        MessageCase{"ResistanceNotUnderstood", "10", "", "-1", "THE RESISTANCE YOU ENTERED IS NOT UNDERSTOOD.", "RESISTANCE"},
        MessageCase{"VanishingGaugeFaults", "500", "1", "", "THE CALCULATION FAILED: DIVISION BY ZERO.", "Command1"},
        MessageCase{"TooLargeForSingleFaults", "", "1", "1e-41", "THE CALCULATION FAILED: OVERFLOW.", "Command1"}),
    CaseName());
// clang-format on

TEST_F(Presses, WindowGoesOnAfterAFault) {
    Type("WIRESIZE", "500");
    Type("WIRELENGTH", "1");
    Click("Command1");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(form->isVisible());
    Field("WIRESIZE")->clear();
    Type("WIRESIZE", "10");
    Click("Command1");
    EXPECT_EQ(Text("RESISTANCE"), " 0.000999933931240995");
}

struct ResultCase : NamedCase {
    int sizeUnitSteps;
    int lengthUnitSteps;
    const char* wireSize;
    const char* length;
    const char* resistance;
    const char* field;
    const char* result;
    bool shownWhole;
    const char* paintedEnd;  // how the text painted without the focus ends
};

class Results : public Form1Harness, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(Results, ShowFromTheirStartAndWholeInTheToolTipWhenWiderThanTheBox) {
    for (int step = 0; step < GetParam().sizeUnitSteps; ++step) {
        Click("Command2");
    }
    for (int step = 0; step < GetParam().lengthUnitSteps; ++step) {
        Click("Command3");
    }
    Type("WIRESIZE", GetParam().wireSize);
    Type("WIRELENGTH", GetParam().length);
    Type("RESISTANCE", GetParam().resistance);
    Click("Command1");
    QLineEdit* box = Field(GetParam().field);
    ASSERT_EQ(box->text(), GetParam().result);
    EXPECT_EQ(box->cursorPosition(), 0);
    QString painted = qobject_cast<TextBox*>(box)->Painted().text;
    EXPECT_TRUE(painted.endsWith(QString::fromUtf8(GetParam().paintedEnd)))
        << painted.toStdString();
    EXPECT_EQ(painted.contains(kEllipsis), !GetParam().shownWhole);
    EXPECT_EQ(ShowsWhole(box), GetParam().shownWhole);
    EXPECT_EQ(box->toolTip(), GetParam().shownWhole ? QString() : box->text());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SolvePaths, Results,
    ::testing::Values(
        ResultCase{"Resistance", 0, 0, "10", "1000", "", "RESISTANCE", " 0.999933931240995", true, "995"},
        ResultCase{"LengthInFeet", 0, 0, "10", "", "1", "WIRELENGTH", " 1000.066", true, "066"},
        ResultCase{"WireSizeInAwg", 0, 0, "", "1000", "1", "WIRESIZE", " 10.0015539455252", false, "…"},
        ResultCase{"WireSizeInCircularMils", 1, 0, "", "1000", "1", "WIRESIZE", " 10379.9253759384", false, "…"},
        ResultCase{"WireSizeInSquareInches", 2, 0, "", "1000", "1000", "WIRESIZE", " 8.15247859090051E-06", false, "…E-06"},
        ResultCase{"LengthInInches", 0, 2, "4/0", "", "50", "WIRELENGTH", " 1.197236E+07", false, "…E+07"}),
    CaseName());
// clang-format on

TEST_F(Form1Harness, ToolTipFollowsTypingAndTheFont) {
    QLineEdit* box = Field("WIRELENGTH");
    Type("WIRELENGTH", "10000000000000000000");
    EXPECT_EQ(box->toolTip(), box->text());
    EXPECT_EQ(box->cursorPosition(), 20) << "typing keeps the caret at the end";
    box->setSelection(4, 16);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->toolTip(), "");
    box->setFont(QFont(box->font().family(), 40));
    EXPECT_EQ(box->toolTip(), "1000");
}

struct PasteCase : NamedCase {
    const char* typed;
    int caret;
    const char* clipboard;
    const char* arrives;
};

class Pastes : public Form1Harness, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Pastes, KeepTheFirstLineOfTheClipboard) {
    Type("WIRELENGTH", GetParam().typed);
    Field("WIRELENGTH")->setCursorPosition(GetParam().caret);
    QApplication::clipboard()->setText(QString::fromLatin1(GetParam().clipboard));
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text("WIRELENGTH"), GetParam().arrives);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SpreadsheetCells, Pastes,
    ::testing::Values(
        PasteCase{"CellEndingInLf", "", 0, "1000\n", "1000"},
        PasteCase{"CellEndingInCrLf", "", 0, "1000\r\n", "1000"},
        PasteCase{"CellEndingInCr", "", 0, "1000\r", "1000"},
        PasteCase{"TwoLinesKeepTheFirst", "", 0, "1000\n2000\n", "1000"},
        PasteCase{"CellWithATabKeepsTheTab", "", 0, "1000\t\r\n", "1000\t"},
        PasteCase{"IntoTheMiddleKeepsBothSides", "10", 1, "5\r\n6", "150"}),
    CaseName());
// clang-format on

class Undo : public Form1Harness {};

TEST_F(Undo, IsKeptUntilALargeEditAndThenForgotten) {
    Type("WIRELENGTH", "1000");
    QCoreApplication::processEvents();
    EXPECT_TRUE(Field("WIRELENGTH")->isUndoAvailable());
    QApplication::clipboard()->setText(QString(5000, u'7'));
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Field("WIRELENGTH")->isUndoAvailable());
    EXPECT_EQ(Field("WIRELENGTH")->cursorPosition(), 5004) << "the caret stays after the paste";
}

// A selection replaced by a paste as long leaves the length as it was, but the history holds
// a record of every character removed and inserted: twice 3,000 are past the budget.
TEST_F(Undo, IsForgottenAfterASelectionIsReplacedByATextAsLong) {
    QApplication::clipboard()->setText(QString(3000, u'7'));
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    ASSERT_TRUE(Field("WIRELENGTH")->isUndoAvailable());
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Field("WIRELENGTH")->isUndoAvailable());
    EXPECT_EQ(Text("WIRELENGTH"), QString(3000, u'7'));
}

TEST_F(Form1Harness, LongCellArrivesWhole) {
    QString cell(40000, u'1');
    QApplication::clipboard()->setText(cell + QStringLiteral("\n"));
    QTest::keyClick(Field("WIRELENGTH"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text("WIRELENGTH"), cell);
}

class Keyboard : public Form1Harness {};

TEST_F(Keyboard, FocusStartsInTheWireSizeAndTabsInTableOrder) {
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < 8; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"WIRESIZE", "WIRELENGTH", "RESISTANCE", "Command1", "WIREUNIT",
                                  "LENGTHUNIT", "Command2", "Command3", "WIRESIZE"}));
}

struct EntryCase : NamedCase {
    const char* from;
    Qt::Key key;
    const char* into;
};

class KeyboardEntry : public Form1Harness, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(KeyboardEntry, SelectsAllWithTheCaretAtTheStart) {
    for (const char* field : {"WIRESIZE", "WIRELENGTH", "RESISTANCE"}) {
        Field(field)->setText(QStringLiteral(" 8.15247859090051E-06"));
    }
    Control(GetParam().from)->setFocus();
    QTest::keyClick(Control(GetParam().from), GetParam().key);
    QLineEdit* box = Field(GetParam().into);
    ASSERT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->cursorPosition(), 0);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), box->text());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keyboard, KeyboardEntry,
    ::testing::Values(
        EntryCase{"TabIntoLength", "WIRESIZE", Qt::Key_Tab, "WIRELENGTH"},
        EntryCase{"ShiftTabFromCalculate", "Command1", Qt::Key_Backtab, "RESISTANCE"},
        EntryCase{"TabRoundToWireSize", "Command3", Qt::Key_Tab, "WIRESIZE"},
        EntryCase{"ShiftTabIntoAUnitBox", "Command2", Qt::Key_Backtab, "LENGTHUNIT"}),
    CaseName());
// clang-format on

struct EnterCase : NamedCase {
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* box;
    const char* text;
};

class EnterOnButtons : public Form1Harness, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterOnButtons, PressTheFocusedButton) {
    Type("WIRESIZE", "10");
    Type("WIRELENGTH", "1000");
    Control(GetParam().button)->setFocus();
    QTest::keyClick(Control(GetParam().button), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(Text(GetParam().box), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keyboard, EnterOnButtons,
    ::testing::Values(
        EnterCase{"ReturnOnCalculate", "Command1", Qt::Key_Return, Qt::NoModifier, "RESISTANCE", " 0.999933931240995"},
        EnterCase{"KeypadEnterOnCalculate", "Command1", Qt::Key_Enter, Qt::KeypadModifier, "RESISTANCE", " 0.999933931240995"},
        EnterCase{"ReturnOnWireSizeChange", "Command2", Qt::Key_Return, Qt::NoModifier, "WIREUNIT", "CIRCULAR MILS"},
        EnterCase{"KeypadEnterOnLengthChange", "Command3", Qt::Key_Enter, Qt::KeypadModifier, "LENGTHUNIT", "METERS"}),
    CaseName());
// clang-format on

TEST_F(Keyboard, EnterAndEscapePressNothing) {
    Type("WIRESIZE", "10");
    Type("WIRELENGTH", "1000");
    for (const char* field : {"WIRESIZE", "WIRELENGTH", "RESISTANCE"}) {
        Field(field)->setFocus();
        QTest::keyClick(Field(field), Qt::Key_Return);
        QTest::keyClick(Field(field), Qt::Key_Enter);
        QTest::keyClick(Field(field), Qt::Key_Escape);
    }
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Text("RESISTANCE"), "");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Keyboard, UnitBoxesRefuseWritesThroughTheAccessibilityInterface) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Field("WIREUNIT"));
    EXPECT_EQ(box->editableTextInterface(), nullptr);
    EXPECT_TRUE(box->state().readOnly && !box->state().editable);
    box->setText(QAccessible::Value, QStringLiteral("SQUARE MILLIMETERS"));
    Field("WIREUNIT")->insert(QStringLiteral("SQUARE MILLIMETERS"));
    EXPECT_EQ(Text("WIREUNIT"), "Guage (AWG - U.S.)");
    box->textInterface()->setSelection(0, 0, 5);
    EXPECT_EQ(Field("WIREUNIT")->selectedText(), "Guage");
    Click("Command2");
    EXPECT_EQ(box->text(QAccessible::Value), "CIRCULAR MILS");
}

TEST_F(Keyboard, UnitBoxesIgnoreTypingButCanBeCopied) {
    Type("LENGTHUNIT", "METERS");
    QTest::keyClick(Field("LENGTHUNIT"), Qt::Key_Backspace);
    EXPECT_EQ(Text("LENGTHUNIT"), "FEET");
    Type("WIRESIZE", "10");
    Type("RESISTANCE", "1");
    Click("Command1");
    EXPECT_EQ(Text("WIRELENGTH"), " 1000.066") << "the length is still solved in feet";
    Field("WIREUNIT")->setFocus();
    QTest::keyClick(Field("WIREUNIT"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Field("WIREUNIT"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Guage (AWG - U.S.)");
}

struct AccessibleNameCase {
    const char* control;
    const char* name;
    const char* labelledBy;  // nullptr: no label names it
    friend void PrintTo(const AccessibleNameCase& c, std::ostream* os) { *os << c.control; }
};

class AccessibleNames : public Form1Harness,
                        public ::testing::WithParamInterface<AccessibleNameCase> {};

TEST_F(Form1Harness, ScreenReadersMeetAWindowNamedByItsCaption) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Window);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Varnel");
}

TEST_P(AccessibleNames, NameAndLabelEachControlByItsRow) {
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(Control(GetParam().control));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), GetParam().name);
    auto labels = accessible->relations(QAccessible::Label);
    QObject* label = labels.isEmpty() ? nullptr : labels.front().first->object();
    EXPECT_EQ(label, GetParam().labelledBy ? Control(GetParam().labelledBy) : nullptr);
}

TEST_F(Form1Harness, ScreenReadersMeetTheControlsInReadingOrder) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QStringList order;
    for (int index = 0; index < window->childCount(); ++index) {
        order << window->child(index)->object()->objectName();
    }
    EXPECT_EQ(order.join(u' '),
              "Label1 Label9 Label8 Label2 WIRESIZE Label4 WIREUNIT Command2 Label3 WIRELENGTH "
              "Label7 LENGTHUNIT Command3 Label5 RESISTANCE Label6 Command1");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(Field("RESISTANCE"))->text(QAccessible::Description),
        "in ohms");
}

TEST_F(Form1Harness, ScreenReadersMeetNoPanels) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->childCount(), 17) << "20 controls less the 3 panels";
    EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(Control("Shape1"))), -1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleNames,
    ::testing::Values(
        AccessibleNameCase{"WIRESIZE", "WIRE SIZE", "Label2"},
        AccessibleNameCase{"WIRELENGTH", "LENGTH", "Label3"},
        AccessibleNameCase{"RESISTANCE", "RESISTANCE", "Label5"},
        AccessibleNameCase{"WIREUNIT", "WIRE SIZE UNITS", nullptr},
        AccessibleNameCase{"LENGTHUNIT", "LENGTH UNITS", nullptr},
        AccessibleNameCase{"Command1", "CALCULATE", nullptr},
        AccessibleNameCase{"Command2", "CHANGE WIRE SIZE UNITS", nullptr},
        AccessibleNameCase{"Command3", "CHANGE LENGTH UNITS", nullptr}),
    [](const auto& info) {return std::string(info.param.control);});
// clang-format on

// The real message box, shown modally and dismissed with its OK button. A watchdog closes
// any box left open so that the test fails instead of hanging.
TEST(MessageBox, ShowsTheRealModalBoxAndReturnsWhenDismissed) {
    Form1 form(QLocale(QLocale::English, QLocale::UnitedStates));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QAccessible::Role role = QAccessible::NoRole;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        role = QAccessible::queryAccessibleInterface(box)->role();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTimer watchdog;
    bool watchdogFired = false;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    watchdog.start(5000);

    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);

    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(caption, "VARNEL");
    EXPECT_EQ(text, "You have to fill in two of the fields!");
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ControlTable, WithoutAControlStopsTheWindowNamingIt) {
    std::vector<ControlRow> table;
    std::ranges::copy_if(kControlTable, std::back_inserter(table),
                         [](const ControlRow& row) { return row.name != "Command3"; });
    try {
        Form1 form(table, QLocale::c());
        ADD_FAILURE() << "the window was built without Command3";
    } catch (const std::logic_error& error) {
        EXPECT_NE(std::string(error.what()).find("Command3"), std::string::npos) << error.what();
    }
}

TEST(Application, CarriesItsNameVersionAndDesktopEntry) {
    DescribeApplication();
    EXPECT_EQ(QApplication::applicationName(), VARNEL_DISPLAY_NAME);
    EXPECT_EQ(QApplication::applicationVersion(), VARNEL_VERSION);
    EXPECT_EQ(QGuiApplication::desktopFileName(), VARNEL_APP_ID);
}

}  // namespace
}  // namespace varnel::window
