#include "application_identity.h"

#include <QGuiApplication>

namespace varnel::window {

void DescribeApplication() {
    QGuiApplication::setApplicationName(QStringLiteral("Varnel"));
    QGuiApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.varnel.Varnel"));
}

}  // namespace varnel::window
