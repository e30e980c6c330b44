// What screen readers and other assistive technologies meet in a text box of Form1.
//
// Qt's own interface for line edits reports each character as an attribute run of its own
// that ends where it starts; Orca joins those runs into one that stops a character short and
// reads the box's value without its last character. Here the whole text is one run.
//
// The whole-text selection that entering a box makes (TextBox::SelectAllFromStart) is for the
// eye and the clipboard: the box is reported with its caret at the start and no selection, so
// that a screen reader speaks the value once on entering and nothing on leaving. A selection
// the user makes is reported as it is.
//
// A box whose text only the program writes (a unit box) is reported read-only and not
// editable and offers no editable-text interface; setting its text through the accessibility
// interface does nothing. The others can be written like any line edit.
#pragma once

#include <QAccessibleWidget>

namespace varnel::window {

class TextBox;

class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
  public:
    explicit AccessibleTextBox(TextBox* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
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

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

  private:
    TextBox* box() const;
    bool writable() const;
};

}  // namespace varnel::window
