// A single-line text box of Form1: a QLineEdit that shows what the program writes from its
// first character, offers the whole text as its tooltip while the text is wider than the
// box, and keeps only the first line of anything pasted or dropped into it.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QStringList>

namespace varnel::window {

class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

    // Replaces the text and shows it from its start, as a freshly filled box does; typing
    // leaves the caret where the user puts it.
    void ShowFromStart(const QString& text);

    // Sets the box's face to `face` at a size, no larger than its own, at which each of
    // `texts` is shown whole: in quarter points, at or just below the largest such size,
    // and no smaller than 6 points.
    void FitFaceTo(const QStringList& texts, const QFont& face);

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int NeededWidth(const QString& text, const QFont& face) const;
    int WidestNeed(const QStringList& texts, const QFont& face) const;
    int TextRoom() const;
    void OfferWholeTextAsToolTip();
    void CountEdit(const QString& text);
    void ForgetUndoHistory();

    qsizetype editedSinceForgotten_ = 0;  // characters changed by edits since then
    qsizetype lengthBefore_ = 0;          // the text's length before the latest edit
};

}  // namespace varnel::window
