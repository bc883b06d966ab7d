#include "window/language.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QList<QTranslator *> SpeakLanguage(QCoreApplication &app, const QStringList &languages)
{
    for (const QString &language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        auto *own = new QTranslator(&app);
        if (!own->load(QStringLiteral(":/i18n/dialhour_") + locale.name().section(u'_', 0, 0))) {
            delete own;
            continue;
        }
        QLocale::setDefault(locale);
        QCoreApplication::installTranslator(own);
        // Beside the program where it ships them (Windows), else where the system keeps Qt's.
        auto *qt = new QTranslator(&app);
        for (const QString &folder :
             {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
            if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
                QCoreApplication::installTranslator(qt);
                return {own, qt};
            }
        return {own};
    }
    return {};
}
