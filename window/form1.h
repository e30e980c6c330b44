// Form1, the program's one window.
//
// Architecture: the widgets are built from the control table (control_table.h), each
// named by its control name. The window holds the calculator state and is the core's
// only way to the user: it is the FieldAccess (the five text boxes, found by name) and the
// MessageSink (a replaceable presenter, a modal box by default). Each button runs one core
// operation: CALCULATE runs Calculate, the two CHANGE buttons step the units. No logic of
// the calculation lives here.
#pragma once

#include <QLocale>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "calculator.h"
#include "number_format.h"
#include "numeric_text.h"

class QLineEdit;

namespace varnel::window {

// The caption of every message box: the application's title.
inline constexpr std::string_view kMessageCaption = "VARNEL";

class Form1 : public QWidget, private FieldAccess, private MessageSink {
    Q_OBJECT

  public:
    // Shows one message and returns once the user has dismissed it.
    using MessagePresenter = std::function<void(const QString& text)>;

    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    // Replaces how messages are shown (tests catch them here); the default presenter is a
    // modal box over this window captioned "VARNEL" with one OK button.
    void setMessagePresenter(MessagePresenter presenter);

  private:
    void BuildControls();
    void ConnectButtons();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    std::string GetFieldText(std::string_view field) const override;
    void SetFieldText(std::string_view field, const std::string& text) override;
    void ShowMessage(const std::string& text) override;

    void ShowMessageBox(const QString& text);
    QLineEdit* Field(std::string_view name) const;

    CalculatorState state_;
    NumberFormat numberFormat_;
    MessagePresenter presenter_;
};

}  // namespace varnel::window
