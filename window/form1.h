// Form1, the program's one window.
//
// Architecture: the widgets are built from a control table (control_table.h), each named by
// its control name; while building them, Form1 takes typed pointers to the five text boxes
// and three buttons it works with. The window holds the calculator state and is the core's
// only way to the user: it is the FieldAccess (the five text boxes, by their control names)
// and the MessageSink (a replaceable presenter, a modal box by default). Each button runs one
// core operation: CALCULATE runs Calculate, the two CHANGE buttons step the units. No logic
// of the calculation lives here. Enter presses a focused button; after a message that an input
// is not understood, the focus goes to that input's field; the result written by a press and
// the unit chosen by a CHANGE press are announced to screen readers (result_announcer.h).
#pragma once

#include <QColor>
#include <QLocale>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculator.h"
#include "control_table.h"
#include "number_format.h"
#include "numeric_text.h"

class QPushButton;

namespace varnel::window {

class ResultAnnouncer;
class TextBox;

// The caption of every message box: the application's title.
inline constexpr std::string_view kMessageCaption = "VARNEL";

// The class keeps the name Form1 as users and their documents have always known it; do not
// rename.
class Form1 : public QWidget, private FieldAccess, private MessageSink {
    Q_OBJECT

  public:
    // Shows one message and returns once the user has dismissed it.
    using MessagePresenter = std::function<void(const QString& text)>;

    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    // Builds the window from `table`; throws std::logic_error naming the first control that
    // the window needs and the table lacks.
    Form1(std::span<const ControlRow> table, const QLocale& locale, QWidget* parent = nullptr);

    // Replaces how messages are shown (tests catch them here); the default presenter is a
    // modal box over this window captioned "VARNEL" with one OK button.
    void setMessagePresenter(MessagePresenter presenter);

    // The labels, text boxes and buttons in the order screen readers meet them: the table's.
    const QList<QWidget*>& ReadingOrder() const { return readingOrder_; }

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A control whose text stands on one of the table's fixed colours.
    struct TintedText {
        QWidget* control;
        QPalette::ColorRole backgroundRole;
        QColor background;
        QPalette::ColorRole textRole;
    };

    void BuildControls(std::span<const ControlRow> table);
    void KeepTint(const ControlRow& row, QWidget* control);
    void TakeControls(const std::map<std::string_view, QWidget*>& built);
    void ConnectButtons();
    void ShowTextReadably();
    void FitUnitFaces();
    void AnnounceWritten(std::string_view field);
    void FocusFieldToMend(const Refused& refused);

    // The handlers keep their names Command1_Click to Command3_Click as the buttons keep
    // theirs.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::string GetFieldText(std::string_view field) const override;
    void SetFieldText(std::string_view field, const std::string& text) override;
    void ShowMessage(const std::string& text) override;

    void ShowMessageBox(const QString& text);
    TextBox* Field(std::string_view name) const;
    TextBox* Input(InputField field) const;

    CalculatorState state_;
    NumberFormat numberFormat_;
    MessagePresenter presenter_;

    TextBox* wireSize_ = nullptr;
    TextBox* wireLength_ = nullptr;
    TextBox* resistance_ = nullptr;
    std::array<TextBox*, 3> inputs_{};  // by InputField
    TextBox* wireUnit_ = nullptr;
    TextBox* lengthUnit_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;

    std::vector<TintedText> tintedTexts_;
    QList<QWidget*> readingOrder_;
    QStringList unitNames_;
    ResultAnnouncer* announcer_;
};

}  // namespace varnel::window
