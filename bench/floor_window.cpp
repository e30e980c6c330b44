#include "floor_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "control_table.h"
#include "qt_text.h"

namespace varnel::bench {
namespace {

using window::ControlKind;
using window::ControlRow;
using window::ToQString;
using window::TwipsToPixels;

QWidget* CreatePlainControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::CentredLabel:
            return new QLabel(ToQString(row.text), parent);
        case ControlKind::Panel:
            return new QFrame(parent);
        case ControlKind::TextBox:
        case ControlKind::UnitBox:
            return new QLineEdit(ToQString(row.text), parent);
        case ControlKind::Button:
            return new QPushButton(ToQString(row.text), parent);
    }
    return nullptr;
}

}  // namespace

FloorWindow::FloorWindow() {
    setFixedSize(TwipsToPixels(window::kClientWidthTwips),
                 TwipsToPixels(window::kClientHeightTwips));
    for (const ControlRow& row : window::kControlTable) {
        QWidget* control = CreatePlainControl(row, this);
        control->setObjectName(ToQString(row.name));
        control->setGeometry(TwipsToPixels(row.left), TwipsToPixels(row.top),
                             TwipsToPixels(row.width), TwipsToPixels(row.height));
    }
}

}  // namespace varnel::bench
