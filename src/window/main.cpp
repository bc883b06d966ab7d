#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dialhour"));
    QApplication::setApplicationVersion(QStringLiteral(DIALHOUR_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvanta"));
    // Lets Wayland and the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DIALHOUR_APP_ID));

    Form1 window;
    window.show();
    return QApplication::exec();
}
