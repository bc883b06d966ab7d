#include "window/language.h"

#include <QLocale>

// Windows keeps the display language and the formats in the user's settings, which Qt reads.
DesktopLocale CurrentDesktopLocale()
{
    return {QLocale::system().uiLanguages(), QLocale::system().name()};
}
