#include "application_identity.h"

#include <QGuiApplication>

namespace varnel::window {

void DescribeApplication() {
    QGuiApplication::setApplicationName(QStringLiteral(VARNEL_DISPLAY_NAME));
    QGuiApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VARNEL_APP_ID));
}

}  // namespace varnel::window
