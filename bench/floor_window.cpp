#include "floor_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "control_table.h"

namespace varnel::bench {
namespace {

using window::ControlKind;
using window::ControlSpec;
using window::TwipsToPixels;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* CreatePlainControl(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::Label:
        case ControlKind::CentredLabel:
            return new QLabel(ToQString(spec.text), parent);
        case ControlKind::Panel:
            return new QFrame(parent);
        case ControlKind::TextBox:
        case ControlKind::UnitBox:
            return new QLineEdit(ToQString(spec.text), parent);
        case ControlKind::Button:
            return new QPushButton(ToQString(spec.text), parent);
    }
    return nullptr;
}

}  // namespace

FloorWindow::FloorWindow() {
    setFixedSize(TwipsToPixels(window::kClientWidthTwips),
                 TwipsToPixels(window::kClientHeightTwips));
    for (const ControlSpec& spec : window::kControlTable) {
        QWidget* control = CreatePlainControl(spec, this);
        control->setObjectName(ToQString(spec.name));
        control->setGeometry(TwipsToPixels(spec.left), TwipsToPixels(spec.top),
                             TwipsToPixels(spec.width), TwipsToPixels(spec.height));
    }
}

}  // namespace varnel::bench
