// Start-up probe of the toolkit's floor: the same application and the same end as
// startup_varnel, with the plain window of as many controls in place of Form1.
#include <QApplication>

#include "first_paint.h"
#include "floor_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VARNEL_DISPLAY_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    varnel::bench::FloorWindow window;
    return varnel::bench::ShowUntilFirstPaint(window);
}
