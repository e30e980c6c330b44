// What screen readers and other assistive technologies meet in a box whose text only the
// program writes (a unit box): a text they can read, select and copy but not write. It is
// reported read-only and not editable and offers no editable-text interface; setting its
// text through the accessibility interface does nothing.
#pragma once

#include <QAccessibleWidget>

namespace varnel::window {

class TextBox;

class AccessibleUnitBox : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleUnitBox(TextBox* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    TextBox* box() const;
};

}  // namespace varnel::window
