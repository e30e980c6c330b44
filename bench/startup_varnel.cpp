// Start-up probe of the program: creates the application as the program does, shows Form1
// and exits once the window's first paint has ended. bench/startup-bench times it.
#include <QApplication>

#include "application_identity.h"
#include "first_paint.h"
#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    varnel::window::DescribeApplication();
    varnel::window::Form1 form;
    return varnel::bench::ShowUntilFirstPaint(form);
}
