// The program's entry: it creates the application, shows the window and returns when the
// window is closed.
#include <QApplication>

#include "application_identity.h"
#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    varnel::window::DescribeApplication();
    varnel::window::Form1 form;
    form.show();
    return QApplication::exec();
}
