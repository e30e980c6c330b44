// A shown Form1 with its messages caught, driven by real clicks and key presses.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>
#include <ostream>

#include "case_table.h"
#include "form1.h"

// Prints Qt texts readably in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace varnel::window::testing {

using varnel::testing::CaseName;
using varnel::testing::NamedCase;

// The colour of a widget's picture at a point in widget coordinates, on screens of any scale:
// a pixel of the widget covers scale by scale pixels of the picture, sampled at its centre.
inline QColor ColourAt(const QImage& picture, int x, int y) {
    double scale = picture.devicePixelRatio();
    return picture.pixelColor(static_cast<int>((x + 0.5) * scale),
                              static_cast<int>((y + 0.5) * scale));
}

// Where the caret stands in a box, as it was placed at the box's last paint.
inline int CaretLeft(QLineEdit* box) {
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
}

// Whether a box being edited shows its whole text. A box too narrow for its text scrolls the
// text's start out of view to show the caret at its end, which moves where the caret would
// stand at the start.
inline bool ShowsWhole(QLineEdit* box) {
    box->setFocus();
    box->setCursorPosition(0);
    box->grab();
    int start = CaretLeft(box);
    box->setCursorPosition(static_cast<int>(box->text().size()));
    box->grab();
    box->setCursorPosition(0);
    return CaretLeft(box) == start;
}

class Form1Harness : public ::testing::Test {
  protected:
    void Open(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates)) {
        form = std::make_unique<Form1>(locale);
        form->setMessagePresenter([this](const QString& text) { messages << text; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void SetUp() override { Open(); }

    template <typename Widget = QWidget>
    Widget* Control(const char* name) const {
        auto* control = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QLineEdit* Field(const char* name) const { return Control<QLineEdit>(name); }

    void Type(const char* field, const QString& text) { QTest::keyClicks(Field(field), text); }

    void Click(const char* button) {
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }

    QString Text(const char* field) const { return Field(field)->text(); }

    std::unique_ptr<Form1> form;
    QStringList messages;
};

}  // namespace varnel::window::testing
