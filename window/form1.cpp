#include "form1.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

#include "accessibility.h"
#include "announcement.h"
#include "contrast.h"
#include "fault_report.h"
#include "focus_mark_style.h"
#include "qt_text.h"
#include "result_announcer.h"
#include "rgb_qcolor.h"
#include "system_message_box.h"
#include "text_box.h"
#include "units.h"

namespace varnel::window {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);

// The table's face; on Windows it is the system's own, elsewhere Liberation Sans stands in
// where it is absent.
QStringList TableFontFamilies() {
#ifdef Q_OS_WIN
    return {ToQString(kTableFontFamily)};
#else
    return {ToQString(kTableFontFamily), ToQString(kSubstituteFontFamily)};
#endif
}

QFont TableFont(double pointSize) {
    QFont font;
    font.setFamilies(TableFontFamilies());
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A band behind a row: a panel with an outline in the window-text colour. It only groups the
// row for the eye.
class Panel : public QFrame {
  public:
    explicit Panel(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::Box | QFrame::Plain); }
};

QWidget* CreatePanel(const ControlRow& row, QWidget* parent) {
    auto* panel = new Panel(parent);
    if (row.colour == ControlColour::CyanFill) {
        PaintBackground(panel, kCyan);
    }
    return panel;
}

// Gives a control a style of its own, which goes with the control.
void UseOwnStyle(QWidget* control, QStyle* style) {
    style->setParent(control);
    control->setStyle(style);
}

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(ToQString(row.text), parent);
    Qt::Alignment horizontal =
        row.kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setAutoFillBackground(row.colour == ControlColour::CyanBack);
    return label;
}

// Only the CHANGE buttons write the unit boxes: a box showing a unit that the press does not
// use would give a plainly wrong result on screen.
QWidget* CreateTextBox(const ControlRow& row, QWidget* parent) {
    auto writer =
        row.kind == ControlKind::UnitBox ? TextBox::Writer::ProgramOnly : TextBox::Writer::Anyone;
    auto* textBox = new TextBox(ToQString(row.text), writer, parent);
    UseOwnStyle(textBox, new FocusMarkStyle());
    return textBox;
}

// A graphical button (the red CALCULATE) is a flat face of its own colour inside a bevelled
// edge, which the classic style draws from the button colour of the palette without a
// gradient; where Qt lacks that style, the system's style shades the face in the same colour.
// The other buttons are drawn in the system's style.
QStyle* ButtonStyle(const ControlRow& row) {
    QStyle* base = row.colour == ControlColour::RedFace
                       ? QStyleFactory::create(QStringLiteral("Windows"))
                       : nullptr;
    return new FocusMarkStyle(base);
}

QWidget* CreateButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(ToQString(row.text), parent);
    UseOwnStyle(button, ButtonStyle(row));
    return button;
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::CentredLabel:
            return CreateLabel(row, parent);
        case ControlKind::Panel:
            return CreatePanel(row, parent);
        case ControlKind::TextBox:
        case ControlKind::UnitBox:
            return CreateTextBox(row, parent);
        case ControlKind::Button:
            return CreateButton(row, parent);
    }
    return nullptr;
}

void PlaceControl(QWidget* control, const ControlRow& row) {
    control->setObjectName(ToQString(row.name));
    control->setGeometry(TwipsToPixels(row.left), TwipsToPixels(row.top), TwipsToPixels(row.width),
                         TwipsToPixels(row.height));
    if (row.pointSize > 0) {
        control->setFont(TableFont(row.pointSize));
    }
    if (!row.accessibleName.empty()) {
        control->setAccessibleName(ToQString(row.accessibleName));
    }
    control->setAccessibleDescription(ToQString(row.accessibleDescription));
}

using BuiltControls = std::map<std::string_view, QWidget*>;

// The control of that name among those built, of the kind the window needs; a table without
// it cannot make the window.
template <typename Control>
Control* Require(const BuiltControls& built, std::string_view name) {
    auto found = built.find(name);
    auto* control = found == built.end() ? nullptr : qobject_cast<Control*>(found->second);
    if (control == nullptr) {
        throw std::logic_error("Form1 needs the control " + std::string(name) +
                               " in its control table, of the kind it has there");
    }
    return control;
}

bool TakesFocus(const ControlRow& row) {
    return row.kind == ControlKind::TextBox || row.kind == ControlKind::UnitBox ||
           row.kind == ControlKind::Button;
}

// The controls that take the focus, in their tab order.
std::vector<const ControlRow*> FocusOrder(std::span<const ControlRow> table) {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : table) {
        if (TakesFocus(row)) {
            order.push_back(&row);
        }
    }
    std::ranges::sort(order, {}, &ControlRow::tabIndex);
    return order;
}

// Each text box is labelled, for screen readers, by the label of its row.
void LabelTextBoxes(std::span<const ControlRow> table, const BuiltControls& built) {
    for (const ControlRow& row : table) {
        if (!row.labelledBy.empty()) {
            Require<QLabel>(built, row.labelledBy)->setBuddy(built.at(row.name));
        }
    }
}

void StackInDrawingOrder(const BuiltControls& built) {
    for (auto name = kDrawingOrderTopFirst.rbegin(); name != kDrawingOrderTopFirst.rend(); ++name) {
        Require<QWidget>(built, *name)->raise();
    }
}

// The controls that take the focus lie above the labels and panels and are tabbed through in
// the table's order, the first of them holding the focus when the window opens.
void OrderFocus(std::span<const ControlRow> table, const BuiltControls& built) {
    std::vector<const ControlRow*> focusOrder = FocusOrder(table);
    QWidget* previous = nullptr;
    for (const ControlRow* row : focusOrder) {
        QWidget* control = built.at(row->name);
        control->raise();
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
    built.at(focusOrder.front()->name)->setFocus();
}

// The names the unit boxes can show: every unit's name and the boxes' first texts.
QStringList UnitNames(std::span<const ControlRow> table) {
    QStringList names;
    for (const SizeUnitDefinition& unit : SIZE_UNITS) {
        names << ToQString(unit.name);
    }
    for (const LengthUnitDefinition& unit : LENGTH_UNITS) {
        names << ToQString(unit.name);
    }
    for (const ControlRow& row : table) {
        if (row.kind == ControlKind::UnitBox) {
            names << ToQString(row.text);
        }
    }
    return names;
}

// The window's icon, read as the PNG it is: telling the reader the format spares it loading
// every image plugin to find out.
QIcon LoadIcon() {
    QImageReader reader(QStringLiteral(":/icons/varnel.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

Form1::Form1(const QLocale& locale, QWidget* parent) : Form1(kControlTable, locale, parent) {}

Form1::Form1(std::span<const ControlRow> table, const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      numberFormat_(NumberFormatOf(locale)),
      presenter_([this](const QString& text) { ShowMessageBox(text); }),
      unitNames_(UnitNames(table)),
      announcer_(new ResultAnnouncer(this)) {
    InstallAccessibleInterfaces();
    setWindowTitle(QStringLiteral("Varnel"));
    setWindowIcon(LoadIcon());
    // A window of fixed size: it can be minimised and closed but offers no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    BuildControls(table);
    ShowTextReadably();
    FitUnitFaces();
    ConnectButtons();
}

void Form1::setMessagePresenter(MessagePresenter presenter) {
    presenter_ = std::move(presenter);
}

// The desktop may change its colours or its font while the window is open. The window has a
// fixed size, so it undoes being maximised: Qt's own title bar on Wayland offers a maximise
// button whatever the window's flags and sizes say, and some desktops maximise on a double
// click.
void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ShowTextReadably();
    } else if (event->type() == QEvent::FontChange) {
        FitUnitFaces();
    } else if (event->type() == QEvent::WindowStateChange && isMaximized()) {
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); },
            Qt::QueuedConnection);
    }
}

void Form1::BuildControls(std::span<const ControlRow> table) {
    BuiltControls built;
    for (const ControlRow& row : table) {
        QWidget* control = CreateControl(row, this);
        PlaceControl(control, row);
        built.emplace(row.name, control);
        KeepTint(row, control);
        if (row.kind != ControlKind::Panel) {
            readingOrder_ << control;
        }
    }
    TakeControls(built);
    LabelTextBoxes(table, built);
    StackInDrawingOrder(built);
    OrderFocus(table, built);
}

// Text on the table's cyan and red is given its colours by ShowTextReadably.
void Form1::KeepTint(const ControlRow& row, QWidget* control) {
    if (row.colour == ControlColour::CyanBack) {
        tintedTexts_.push_back({control, QPalette::Window, kCyan, QPalette::WindowText});
    } else if (row.colour == ControlColour::RedFace) {
        tintedTexts_.push_back({control, QPalette::Button, kRed, QPalette::ButtonText});
    }
}

void Form1::TakeControls(const BuiltControls& built) {
    wireSize_ = Require<TextBox>(built, WIRESIZE);
    wireLength_ = Require<TextBox>(built, WIRELENGTH);
    resistance_ = Require<TextBox>(built, RESISTANCE);
    inputs_ = {wireSize_, wireLength_, resistance_};
    wireUnit_ = Require<TextBox>(built, WIREUNIT);
    lengthUnit_ = Require<TextBox>(built, LENGTHUNIT);
    command1_ = Require<QPushButton>(built, "Command1");
    command2_ = Require<QPushButton>(built, "Command2");
    command3_ = Require<QPushButton>(built, "Command3");
    for (TextBox* field : {wireSize_, wireLength_, resistance_}) {
        field->SetDecimalSeparator(ToQString(numberFormat_.decimal));
    }
}

// Space presses a focused button, and so do Enter and the keypad's Enter; no button is the
// default, so Enter in a text box presses nothing.
void Form1::ConnectButtons() {
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form1::Command3_Click);
    for (QPushButton* button : {command1_, command2_, command3_}) {
        button->installEventFilter(this);
    }
    // A result is announced only while the window shows it: any edit of a field ends that.
    for (TextBox* field : {wireSize_, wireLength_, resistance_}) {
        connect(field, &QLineEdit::textChanged, announcer_, &ResultAnnouncer::Clear);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && IsEnter(event)) {
        button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Text on the table's cyan and red keeps the system's text colour where that reads on it,
// and is black otherwise: on a dark desktop, white text on cyan would give 1.25:1.
void Form1::ShowTextReadably() {
    for (const TintedText& tinted : tintedTexts_) {
        QPalette colours = tinted.control->palette();
        colours.setColor(tinted.backgroundRole, tinted.background);
        Rgb text = ReadableText(ToRgb(palette().color(tinted.textRole)), ToRgb(tinted.background));
        colours.setColor(tinted.textRole, ToQColor(text));
        tinted.control->setPalette(colours);
    }
}

// The unit boxes take the largest face, up to the window's, in which every unit name is
// shown whole.
void Form1::FitUnitFaces() {
    for (TextBox* unitBox : {wireUnit_, lengthUnit_}) {
        unitBox->FitFaceTo(unitNames_, font());
    }
}

void Form1::Command1_Click() {
    announcer_->Clear();
    try {
        PressOutcome outcome = Calculate(state_, *this, *this, numberFormat_);
        if (const auto* solved = std::get_if<Solved>(&outcome)) {
            AnnounceWritten(FieldName(solved->field));
        } else if (const auto* refused = std::get_if<Refused>(&outcome)) {
            FocusFieldToMend(*refused);
        }
    } catch (const ArithmeticFault& fault) {
        presenter_(ToQString(FaultReport(fault.kind())));
    }
}

// A CHANGE press announces the unit it chose, which also ends the announcement of a result.
void Form1::Command2_Click() {
    NextSizeUnit(state_, *this);
    AnnounceWritten("WIREUNIT");
}

void Form1::Command3_Click() {
    NextLengthUnit(state_, *this);
    AnnounceWritten("LENGTHUNIT");
}

// The text box of that control name; the core names only the five the window has.
TextBox* Form1::Field(std::string_view name) const {
    auto* box = findChild<TextBox*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (box == nullptr) {
        throw std::logic_error("Form1 has no field " + std::string(name));
    }
    return box;
}

TextBox* Form1::Input(InputField field) const {
    return inputs_.at(static_cast<std::size_t>(field));
}

std::string Form1::GetFieldText(std::string_view field) const {
    return Field(field)->text().toStdString();
}

void Form1::SetFieldText(std::string_view field, const std::string& text) {
    Field(field)->ShowFromStart(QString::fromStdString(text));
}

// A written result as its box's label, the result and its unit, a unit as its name.
void Form1::AnnounceWritten(std::string_view field) {
    std::string wireUnit = wireUnit_->text().toStdString();
    std::string lengthUnit = lengthUnit_->text().toStdString();
    announcer_->Announce(
        QString::fromStdString(Announcement(field, GetFieldText(field), {wireUnit, lengthUnit})));
}

void Form1::ShowMessage(const std::string& text) {
    presenter_(QString::fromStdString(text));
}

// After a message that an input is not understood, the focus goes to that input's field with
// its text selected; after any other message it stays where it was.
void Form1::FocusFieldToMend(const Refused& refused) {
    if (std::optional<InputField> mend = refused.fieldToMend()) {
        TextBox* field = Input(*mend);
        field->setFocus(Qt::OtherFocusReason);
        field->SelectAllFromStart();
    }
}

void Form1::ShowMessageBox(const QString& text) {
    ShowSystemMessageBox(this, ToQString(kMessageCaption), text);
}

}  // namespace varnel::window
