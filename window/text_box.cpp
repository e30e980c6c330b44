#include "text_box.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <limits>

namespace varnel::window {
namespace {

// QLineEdit keeps 2 pixels free on each side of its text, and scrolls once the text and the
// 1-pixel caret no longer fit between them.
constexpr int kSideRoom = 2;
constexpr int kCaretWidth = 1;

// Face sizes are tried downwards in quarter points, down to 6 points at the least.
constexpr double kSizeStep = 0.25;
constexpr double kSmallestSize = 6.0;

// QLineEdit keeps an undo record of every character an edit inserts or removes, for as long
// as the box lives: a paste of 40,000 characters and its deletion keep over a megabyte. A box
// forgets its undo history once edits have changed this many characters since it last did,
// far beyond what anyone types by hand.
constexpr qsizetype kUndoBudget = 4096;

bool IsLineBreak(QChar character) {
    return character == u'\r' || character == u'\n';
}

// Keeps an insertion to its first line, as single-line text boxes do. An insertion (a paste,
// a drop, a middle-click paste) ends at the caret, and the text after the caret stood there
// before it; so from the first line break up to the caret lies the rest of the inserted
// text, which is cut. Typed text holds no line break and passes unchanged.
class FirstLineOfInsertion : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& text, int& caret) const override {
        qsizetype lineBreak = std::find_if(text.cbegin(), text.cend(), IsLineBreak) - text.cbegin();
        if (lineBreak < caret) {
            text.remove(lineBreak, caret - lineBreak);
            caret = static_cast<int>(lineBreak);
        }
        return Acceptable;
    }
};

}  // namespace

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent) {
    // No length limit: QLineEdit's own stops at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new FirstLineOfInsertion(this));
    connect(this, &QLineEdit::textChanged, this, &TextBox::OfferWholeTextAsToolTip);
    connect(this, &QLineEdit::textEdited, this, &TextBox::CountEdit);
    ShowFromStart(text);
}

void TextBox::ShowFromStart(const QString& text) {
    setText(text);
    setCursorPosition(0);
    lengthBefore_ = text.size();
}

void TextBox::FitFaceTo(const QStringList& texts, const QFont& face) {
    QFont fitted = face;
    double size = QFontInfo(face).pointSizeF();
    fitted.setPointSizeF(size);
    int room = TextRoom();
    int widest = WidestNeed(texts, fitted);
    if (widest > room) {
        // Widths grow almost in proportion to the size: start at the size at which the widest
        // text would just fit, and step down while hinting makes it wider than that.
        size = std::max(kSmallestSize, std::floor(size * room / widest / kSizeStep) * kSizeStep);
        fitted.setPointSizeF(size);
        while (WidestNeed(texts, fitted) > room && size - kSizeStep >= kSmallestSize) {
            size -= kSizeStep;
            fitted.setPointSizeF(size);
        }
    }
    setFont(fitted);
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        OfferWholeTextAsToolTip();
    }
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    OfferWholeTextAsToolTip();
}

// The width a box needs to show `text` in `face` without scrolling: the text's advance, the
// parts of glyphs that the face lets stand out beyond it, and the caret.
int TextBox::NeededWidth(const QString& text, const QFont& face) const {
    QFontMetrics metrics(face, this);
    int bearings = std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    return metrics.horizontalAdvance(text) + bearings + kCaretWidth;
}

int TextBox::WidestNeed(const QStringList& texts, const QFont& face) const {
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, NeededWidth(text, face));
    }
    return widest;
}

// The width the text may take: the contents rectangle that the style leaves inside the
// frame, less the text margins and the room on each side.
int TextBox::TextRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).width() - 2 * kSideRoom;
}

void TextBox::OfferWholeTextAsToolTip() {
    setToolTip(NeededWidth(text(), font()) <= TextRoom() ? QString() : text());
}

// Counts what the user's edits changed; once they have changed more characters than the
// undo history may hold records of, the history is forgotten after the edit has finished.
void TextBox::CountEdit(const QString& text) {
    editedSinceForgotten_ += std::max<qsizetype>(1, std::abs(text.size() - lengthBefore_));
    lengthBefore_ = text.size();
    if (editedSinceForgotten_ > kUndoBudget) {
        editedSinceForgotten_ = 0;
        QMetaObject::invokeMethod(this, &TextBox::ForgetUndoHistory, Qt::QueuedConnection);
    }
}

// Setting the same text empties the history and changes nothing else a user or a screen
// reader can notice; the caret and the selection are put back as they were.
void TextBox::ForgetUndoHistory() {
    int caret = cursorPosition();
    int selectedFrom = selectionStart();
    int anchor = selectedFrom < 0        ? caret
                 : caret == selectedFrom ? selectedFrom + selectionLength()
                                         : selectedFrom;
    {
        QSignalBlocker quiet(this);
        setText(text());
    }
    setCursorPosition(anchor);
    cursorForward(true, caret - anchor);
}

}  // namespace varnel::window
