#include "window/language.h"

#include <QtGlobal>

DesktopLocale CurrentDesktopLocale()
{
    return PosixDesktopLocale([](const char *name) { return qEnvironmentVariable(name); });
}
