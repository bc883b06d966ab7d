#include "window/form1.h"

#include <QApplication>

#ifdef DIALHOUR_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

int main(int argc, char *argv[])
{
#ifdef DIALHOUR_FONTCONFIG
    // Reading the font configuration and caches is the longest step before the window can be
    // drawn, and needs nothing of Qt's: it runs on the other core while Qt starts. Joined before
    // the window asks for a font, so fontconfig is never entered from two threads at once.
    std::thread fonts([] { FcInit(); });
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dialhour"));
    QApplication::setApplicationVersion(QStringLiteral(DIALHOUR_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvanta"));
    // Lets Wayland and the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DIALHOUR_APP_ID));
#ifdef DIALHOUR_FONTCONFIG
    fonts.join();
#endif

    Form1 window;
    window.show();
    return QApplication::exec();
}
