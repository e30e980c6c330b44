#include "text_box.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
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

// Puts back the text that the program wrote. Read-only already refuses typing, pasting and
// dropping; this undoes the writes that reach QLineEdit past it, such as an assistive
// technology setting the text.
class ProgramTextOnly : public QValidator {
  public:
    ProgramTextOnly(const QString& programText, QObject* parent)
        : QValidator(parent), programText_(programText) {}

    State validate(QString& text, int& caret) const override {
        text = programText_;
        caret = std::min(caret, static_cast<int>(text.size()));
        return Acceptable;
    }

  private:
    const QString& programText_;
};

// How far a glyph with this bearing stands out beyond its advance.
int Overhang(int bearing) {
    return std::max(0, -bearing);
}

bool EnteredByKeyboard(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

}  // namespace

TextBox::TextBox(const QString& text, Writer writer, QWidget* parent)
    : QLineEdit(parent), writer_(writer), shown_(text) {
    // No length limit: QLineEdit's own stops at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    if (writer == Writer::ProgramOnly) {
        setReadOnly(true);
        setValidator(new ProgramTextOnly(shown_, this));
    } else {
        setValidator(new FirstLineOfInsertion(this));
    }
    connect(this, &QLineEdit::textChanged, this, &TextBox::TextOrRoomChanged);
    connect(this, &QLineEdit::textEdited, this, &TextBox::CountEdit);
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        selectedByProgram_ = false;
        selectedBefore_ = selectionLength();
    });
    ShowFromStart(text);
}

void TextBox::SetDecimalSeparator(const QString& separator) {
    decimalSeparator_ = separator;
    TextOrRoomChanged();
}

void TextBox::ShowFromStart(const QString& text) {
    shown_ = text;
    setText(text);
    setCursorPosition(0);
    lengthBefore_ = text.size();
}

void TextBox::SelectAllFromStart() {
    int length = static_cast<int>(text().size());
    setSelection(length, -length);
    selectedByProgram_ = true;
}

PaintedQText TextBox::Painted() const {
    if (!painted_) {
        auto width = [this](const QString& text, double pointSize) {
            QFont face = font();
            face.setPointSizeF(pointSize);
            return PaintedWidth(text, face);
        };
        painted_ =
            PaintedIn(text(), decimalSeparator_, TextRoom(), QFontInfo(font()).pointSizeF(), width);
    }
    return *painted_;
}

void TextBox::FitFaceTo(const QStringList& texts, const QFont& face) {
    std::vector<std::u16string> shown;
    for (const QString& text : texts) {
        shown.push_back(text.toStdU16String());
    }
    auto width = [this, &face](std::u16string_view text, double size) -> double {
        QFont sized = face;
        sized.setPointSizeF(size);
        return NeededWidth(QStringView(text).toString(), sized);
    };
    QFont fitted = face;
    fitted.setPointSizeF(FittedFaceSize(shown, TextRoom(), QFontInfo(face).pointSizeF(), width));
    setFont(fitted);
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        TextOrRoomChanged();
    }
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    TextOrRoomChanged();
}

// Tab, Shift+Tab and shortcuts select the whole text; the caret goes to its start.
void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (EnteredByKeyboard(event->reason()) && selectionLength() == text().size()) {
        SelectAllFromStart();
    }
}

// With the focus, the box shows its real text for editing; without it, what Painted() says.
void TextBox::paintEvent(QPaintEvent* event) {
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    PaintedQText painted = Painted();
    if (painted.text == text() && painted.pointSize == QFontInfo(font()).pointSizeF()) {
        QLineEdit::paintEvent(event);
    } else {
        PaintCut(painted);
    }
}

// Paints the box's frame and face as the style does, and the cut text, left-aligned and
// centred in height, where QLineEdit puts its text.
void TextBox::PaintCut(const PaintedQText& painted) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    QFont face = font();
    face.setPointSizeF(painted.pointSize);
    painter.setFont(face);
    painter.setPen(panel.palette.color(QPalette::Text));
    int leftOverhang = painted.text.isEmpty()
                           ? 0
                           : Overhang(QFontMetrics(face, this).leftBearing(painted.text.front()));
    painter.drawText(TextRect().adjusted(leftOverhang, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, painted.text);
}

// The width a box needs to show `text` in `face` without scrolling: the text's advance, the
// parts of glyphs that the face lets stand out beyond it, and the caret.
int TextBox::NeededWidth(const QString& text, const QFont& face) const {
    QFontMetrics metrics(face, this);
    int bearings = std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
    return metrics.horizontalAdvance(text) + bearings + kCaretWidth;
}

// The width that `text` takes when painted in `face`: its advance, and the parts of its first
// and last glyphs that stand out beyond it.
int TextBox::PaintedWidth(const QString& text, const QFont& face) const {
    if (text.isEmpty()) {
        return 0;
    }
    QFontMetrics metrics(face, this);
    return metrics.horizontalAdvance(text) + Overhang(metrics.leftBearing(text.front())) +
           Overhang(metrics.rightBearing(text.back()));
}

// Where the text may stand: the contents rectangle that the style leaves inside the frame,
// less the text margins and the room on each side.
QRect TextBox::TextRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).adjusted(kSideRoom, 0, -kSideRoom, 0);
}

int TextBox::TextRoom() const {
    return TextRect().width();
}

// The whole text is offered as the tooltip while it is wider than the box, and what is
// painted is worked out again.
void TextBox::TextOrRoomChanged() {
    painted_.reset();
    setToolTip(PaintedWidth(text(), font()) <= TextRoom() ? QString() : text());
}

// Counts the undo records of the user's edits: one for each character removed (the selection
// the edit replaced, which selectionChanged reports only after the edit) and each inserted.
// Once there are more than the history may hold, it is forgotten after the edit has finished.
// A selection replaced by a text as long counts twice its length, though the length stays.
void TextBox::CountEdit(const QString& text) {
    qsizetype grown = text.size() - lengthBefore_;
    editedSinceForgotten_ += std::max({qsizetype{1}, std::abs(grown), 2 * selectedBefore_ + grown});
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
