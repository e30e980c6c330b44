// A single-line text box of Form1: a QLineEdit that shows what the program writes from its
// first character, offers the whole text as its tooltip while the text is wider than the
// box, and keeps only the first line of anything pasted or dropped into it. While it does not
// have the focus, a text wider than the box is painted cut in the middle (painted_qt_text.h);
// its text, selection and clipboard stay whole. Entered by the keyboard, it selects its
// whole text with the caret at the start, so that it shows its start.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QStringList>
#include <optional>

#include "painted_qt_text.h"

namespace varnel::window {

class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    // Who may change the box's text.
    enum class Writer {
        Anyone,       // the user, the program and assistive technologies
        ProgramOnly,  // only ShowFromStart: the box is read-only, and any other write (such as
                      // one through the accessibility interface) is undone as it is made
    };

    explicit TextBox(const QString& text, Writer writer = Writer::Anyone,
                     QWidget* parent = nullptr);

    Writer writer() const { return writer_; }

    // The decimal separator that a number's cut text keeps its head before.
    void SetDecimalSeparator(const QString& separator);

    // Replaces the text and shows it from its start, as a freshly filled box does; typing
    // leaves the caret where the user puts it.
    void ShowFromStart(const QString& text);

    // Selects the whole text with the caret at its start, so that the box shows its start
    // while Ctrl+C copies all of it.
    void SelectAllFromStart();

    // Whether the box holds a selection other than the one SelectAllFromStart made: that one
    // only shows the start and readies the text for copying or typing over, so screen
    // readers are not told of it.
    bool HasUserSelection() const { return hasSelectedText() && !selectedByProgram_; }

    // What the box paints while it does not have the focus.
    // A box 89 pixels wide in DejaVu Sans at 9 points holding " 8.15247859090051E-06" paints
    // {"8.1524…E-06", 9}.
    PaintedQText Painted() const;

    // Sets the box's face to `face` at a size, no larger than its own, at which each of
    // `texts` is shown whole: in quarter points, at or just below the largest such size,
    // and no smaller than 6 points.
    void FitFaceTo(const QStringList& texts, const QFont& face);

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int NeededWidth(const QString& text, const QFont& face) const;
    int PaintedWidth(const QString& text, const QFont& face) const;
    QRect TextRect() const;
    int TextRoom() const;
    void TextOrRoomChanged();
    void PaintCut(const PaintedQText& painted);
    void CountEdit(const QString& text);
    void ForgetUndoHistory();

    Writer writer_;
    QString shown_;  // the text ShowFromStart put in, which a ProgramOnly box keeps
    QString decimalSeparator_ = QStringLiteral(".");
    mutable std::optional<PaintedQText> painted_;  // until the text, face or width change
    qsizetype editedSinceForgotten_ = 0;           // characters changed by edits since then
    qsizetype lengthBefore_ = 0;                   // the text's length before the latest edit
    qsizetype selectedBefore_ = 0;                 // the selection's length before it
    bool selectedByProgram_ = false;  // the selection is SelectAllFromStart's, unchanged since
};

}  // namespace varnel::window
