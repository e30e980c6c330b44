#include "accessible_text_box.h"

#include <QFontMetrics>

#include "text_box.h"

namespace varnel::window {

AccessibleTextBox::AccessibleTextBox(TextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

TextBox* AccessibleTextBox::box() const {
    return static_cast<TextBox*>(widget());
}

bool AccessibleTextBox::writable() const {
    return box()->writer() == TextBox::Writer::Anyone;
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface && writable()) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleTextBox::text(QAccessible::Text type) const {
    return type == QAccessible::Value ? box()->text() : QAccessibleWidget::text(type);
}

void AccessibleTextBox::setText(QAccessible::Text type, const QString& text) {
    if (type == QAccessible::Value && writable()) {
        box()->setText(text);
    } else {
        QAccessibleWidget::setText(type, text);
    }
}

QAccessible::State AccessibleTextBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = !writable();
    state.editable = writable();
    state.selectable = true;
    state.selectableText = true;
    state.selected = box()->HasUserSelection();
    return state;
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    bool selected = selectionIndex == 0 && box()->HasUserSelection();
    *startOffset = selected ? box()->selectionStart() : 0;
    *endOffset = selected ? box()->selectionEnd() : 0;
}

int AccessibleTextBox::selectionCount() const {
    return box()->HasUserSelection() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int /*selectionIndex*/) {
    box()->deselect();
}

void AccessibleTextBox::setSelection(int /*selectionIndex*/, int startOffset, int endOffset) {
    box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const {
    return box()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const {
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::characterCount() const {
    return static_cast<int>(box()->text().size());
}

// Where a character stands on the screen, for a text shown from its start.
QRect AccessibleTextBox::characterRect(int offset) const {
    QFontMetrics metrics(box()->font());
    QString text = box()->text();
    int left = box()->textMargins().left() + metrics.horizontalAdvance(text.left(offset));
    int top = (box()->height() - metrics.height()) / 2;
    QRect character(left, top, metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int /*endIndex*/) {
    box()->setCursorPosition(startIndex);
}

// The box has no text attributes: its whole text is one run without any.
QString AccessibleTextBox::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void AccessibleTextBox::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text) {
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace varnel::window
