// The real window with a fixed clock (20:07 UTC on 15 January, on a machine kept on UTC), for
// the screen-reader test to drive over the accessibility bus.
#include "support.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 window(dialhour::testing::januaryClock);
    window.show();
    return QApplication::exec();
}
