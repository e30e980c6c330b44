#include "accessible_unit_box.h"

#include <QFontMetrics>

#include "text_box.h"

namespace varnel::window {

AccessibleUnitBox::AccessibleUnitBox(TextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

TextBox* AccessibleUnitBox::box() const {
    return static_cast<TextBox*>(widget());
}

void* AccessibleUnitBox::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleUnitBox::text(QAccessible::Text type) const {
    return type == QAccessible::Value ? box()->text() : QAccessibleWidget::text(type);
}

QAccessible::State AccessibleUnitBox::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectable = true;
    state.selected = box()->hasSelectedText();
    return state;
}

void AccessibleUnitBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    bool selected = selectionIndex == 0 && box()->hasSelectedText();
    *startOffset = selected ? box()->selectionStart() : 0;
    *endOffset = selected ? box()->selectionEnd() : 0;
}

int AccessibleUnitBox::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleUnitBox::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleUnitBox::removeSelection(int /*selectionIndex*/) {
    box()->deselect();
}

void AccessibleUnitBox::setSelection(int /*selectionIndex*/, int startOffset, int endOffset) {
    box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleUnitBox::cursorPosition() const {
    return box()->cursorPosition();
}

void AccessibleUnitBox::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString AccessibleUnitBox::text(int startOffset, int endOffset) const {
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleUnitBox::characterCount() const {
    return static_cast<int>(box()->text().size());
}

// Where a character stands on the screen, for a text shown from its start.
QRect AccessibleUnitBox::characterRect(int offset) const {
    QFontMetrics metrics(box()->font());
    QString text = box()->text();
    int left = box()->textMargins().left() + metrics.horizontalAdvance(text.left(offset));
    int top = (box()->height() - metrics.height()) / 2;
    QRect character(left, top, metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleUnitBox::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void AccessibleUnitBox::scrollToSubstring(int startIndex, int /*endIndex*/) {
    box()->setCursorPosition(startIndex);
}

QString AccessibleUnitBox::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace varnel::window
