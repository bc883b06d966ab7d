#include "window/form1.h"

#include <QApplication>

#if defined(__ELF__) && defined(_FORTIFY_SOURCE)
// Fortification leaves no trace of its own in a binary whose library calls all have unknown
// buffer sizes; this section lets scripts/check-hardening read the level the code was built with.
#define DIALHOUR_TEXT(x) #x
#define DIALHOUR_LEVEL(x) DIALHOUR_TEXT(x)
[[gnu::used, gnu::section(".dialhour.hardening")]] static const char fortifyLevel[] =
    "_FORTIFY_SOURCE=" DIALHOUR_LEVEL(_FORTIFY_SOURCE);
#endif

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
