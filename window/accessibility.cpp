#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>

#include "accessible_text_box.h"
#include "form1.h"
#include "result_announcer.h"
#include "text_box.h"

namespace varnel::window {
namespace {

// Screen readers meet Form1 as a window named by its caption; a plain top-level widget would
// otherwise be announced as a nameless filler. Its children are its labels, text boxes and
// buttons in reading order, top to bottom and row by row. The cyan panels are left out: they
// only band the rows for the eye, and each row's label already names the row, so a panel
// would be announced as a nameless frame or as the label a second time.
class AccessibleForm1 : public QAccessibleWidget {
  public:
    explicit AccessibleForm1(Form1* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Announced().size()); }

    QAccessibleInterface* child(int index) const override {
        QList<QWidget*> announced = Announced();
        return index >= 0 && index < announced.size()
                   ? QAccessible::queryAccessibleInterface(announced.at(index))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr
                   ? -1
                   : static_cast<int>(Announced().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    const QList<QWidget*>& Announced() const {
        return static_cast<const Form1*>(widget())->ReadingOrder();
    }
};

// The announcer as a notification of the window, named by what it announces. It is no child
// of the window's in reading order: it says what a press did, and is not part of the form.
class AccessibleAnnouncement : public QAccessibleObject {
  public:
    explicit AccessibleAnnouncement(ResultAnnouncer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? Announcer()->Text() : QString();
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = Announcer()->Text().isEmpty();
        return state;
    }

  private:
    const ResultAnnouncer* Announcer() const {
        return static_cast<const ResultAnnouncer*>(object());
    }
};

template <typename Class>
bool Is(const QString& className) {
    return className == QLatin1String(Class::staticMetaObject.className());
}

QAccessibleInterface* AccessibleInterfaceOf(const QString& className, QObject* object) {
    if (Is<Form1>(className)) {
        return new AccessibleForm1(static_cast<Form1*>(object));
    }
    if (Is<TextBox>(className)) {
        return new AccessibleTextBox(static_cast<TextBox*>(object));
    }
    if (Is<ResultAnnouncer>(className)) {
        return new AccessibleAnnouncement(static_cast<ResultAnnouncer*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(AccessibleInterfaceOf), true);
    Q_UNUSED(installed);
}

}  // namespace varnel::window
