#include "form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "control_table.h"
#include "units.h"

namespace varnel::window {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont TableFont(double pointSize) {
    QFont font;
    font.setFamilies({ToQString(kTableFontFamily), ToQString(kSubstituteFontFamily)});
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

// A graphical button: a flat face of its own colour inside a bevelled edge, which the
// classic style draws from the button colour of the palette without a gradient. Where Qt
// lacks that style, the system's style shades the face in the same colour.
void PaintFace(QPushButton* button, const QColor& colour) {
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(button);
        button->setStyle(classic);
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

QWidget* CreateLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(ToQString(row.text), parent);
    Qt::Alignment horizontal =
        row.kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    if (row.colour == ControlColour::CyanBack) {
        PaintBackground(label, kCyan);
    }
    return label;
}

QWidget* CreatePanel(const ControlRow& row, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    if (row.colour == ControlColour::CyanFill) {
        PaintBackground(panel, kCyan);
    }
    return panel;
}

QWidget* CreateTextBox(const ControlRow& row, QWidget* parent) {
    auto* textBox = new QLineEdit(ToQString(row.text), parent);
    textBox->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textBox->setMaxLength(std::numeric_limits<int>::max());
    textBox->setReadOnly(row.kind == ControlKind::UnitBox);
    return textBox;
}

QWidget* CreateButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(ToQString(row.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    if (row.colour == ControlColour::RedFace) {
        PaintFace(button, kRed);
    }
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
}

bool TakesFocus(const ControlRow& row) {
    return row.kind == ControlKind::TextBox || row.kind == ControlKind::UnitBox ||
           row.kind == ControlKind::Button;
}

// The controls that take the focus, in their tab order.
std::vector<const ControlRow*> FocusOrder() {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : kControlTable) {
        if (TakesFocus(row)) {
            order.push_back(&row);
        }
    }
    std::ranges::sort(order, {}, &ControlRow::tabIndex);
    return order;
}

// The window's icon, read as the PNG it is: telling the reader the format spares it loading
// every image plugin to find out.
QIcon LoadIcon() {
    QImageReader reader(QStringLiteral(":/icons/varnel.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

// Screen readers meet Form1 as a window named by its caption; a plain top-level widget would
// otherwise be announced as a nameless filler.
QAccessibleInterface* AccessibleForm1(const QString& className, QObject* object) {
    if (className == QLatin1String(Form1::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

void ExposeForm1AsWindow() {
    static const bool installed = (QAccessible::installFactory(AccessibleForm1), true);
    Q_UNUSED(installed);
}

}  // namespace

QString FaultReport(FaultKind kind) {
    return QStringLiteral("THE CALCULATION FAILED: ") + ToQString(FaultKindName(kind)).toUpper() +
           QStringLiteral(".");
}

NumberFormat NumberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

Form1::Form1(const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      numberFormat_(NumberFormatOf(locale)),
      presenter_([this](const QString& text) { ShowMessageBox(text); }) {
    ExposeForm1AsWindow();
    setWindowTitle(QStringLiteral("Varnel"));
    setWindowIcon(LoadIcon());
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    BuildControls();
    ConnectButtons();
}

void Form1::setMessagePresenter(MessagePresenter presenter) {
    presenter_ = std::move(presenter);
}

void Form1::BuildControls() {
    for (const ControlRow& row : kControlTable) {
        PlaceControl(CreateControl(row, this), row);
    }
    for (auto name = kDrawingOrderTopFirst.rbegin(); name != kDrawingOrderTopFirst.rend(); ++name) {
        findChild<QWidget*>(ToQString(*name))->raise();
    }
    std::vector<const ControlRow*> focusOrder = FocusOrder();
    QWidget* previous = nullptr;
    for (const ControlRow* row : focusOrder) {
        auto* control = findChild<QWidget*>(ToQString(row->name));
        control->raise();
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    findChild<QWidget*>(ToQString(focusOrder.front()->name))->setFocus();

    // Screen readers announce each text box with its row label, and meet each cyan panel
    // named by its row rather than as a nameless frame.
    const std::pair<const char*, const char*> labels[] = {{"Label2", "WIRESIZE"},
                                                          {"Label4", "WIREUNIT"},
                                                          {"Label3", "WIRELENGTH"},
                                                          {"Label7", "LENGTHUNIT"},
                                                          {"Label5", "RESISTANCE"}};
    for (const auto& [label, textBox] : labels) {
        findChild<QLabel*>(QLatin1String(label))
            ->setBuddy(findChild<QWidget*>(QLatin1String(textBox)));
    }
    const std::pair<const char*, const char*> panels[] = {
        {"Shape1", "WIRE SIZE"}, {"Shape2", "LENGTH"}, {"Shape3", "RESISTANCE"}};
    for (const auto& [panel, row] : panels) {
        findChild<QWidget*>(QLatin1String(panel))->setAccessibleName(QLatin1String(row));
    }
}

void Form1::ConnectButtons() {
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &Form1::Command1_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form1::Command2_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
            &Form1::Command3_Click);
}

void Form1::Command1_Click() {
    try {
        Calculate(state_, *this, *this, numberFormat_);
    } catch (const ArithmeticFault& fault) {
        presenter_(FaultReport(fault.kind()));
    }
}

void Form1::Command2_Click() {
    NextSizeUnit(state_, *this);
}

void Form1::Command3_Click() {
    NextLengthUnit(state_, *this);
}

QLineEdit* Form1::Field(std::string_view name) const {
    return findChild<QLineEdit*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

std::string Form1::GetFieldText(std::string_view field) const {
    return Field(field)->text().toStdString();
}

void Form1::SetFieldText(std::string_view field, const std::string& text) {
    Field(field)->setText(QString::fromStdString(text));
}

void Form1::ShowMessage(const std::string& text) {
    presenter_(QString::fromStdString(text));
}

void Form1::ShowMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(kMessageCaption), text, QMessageBox::Ok, this);
    box.exec();
}

}  // namespace varnel::window
