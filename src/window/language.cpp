#include "window/language.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace {

// "fr_CA" of "fr_CA.UTF-8@euro"; empty for the C and POSIX locales and for none.
QString localeName(const QString &value)
{
    const QString name = value.section(u'.', 0, 0).section(u'@', 0, 0);
    return name == u"C" || name == u"POSIX" ? QString() : name;
}

} // namespace

DesktopLocale PosixDesktopLocale(const std::function<QString(const char *)> &variable)
{
    const auto first = [&variable](std::initializer_list<const char *> names) {
        for (const char *name : names)
            if (const QString value = variable(name); !value.isEmpty())
                return value;
        return QString();
    };
    // glibc takes LANGUAGE only where messages have a locale other than C.
    const QString messages = localeName(first({"LC_ALL", "LC_MESSAGES", "LANG"}));
    if (messages.isEmpty())
        return {};
    const QString times = localeName(first({"LC_ALL", "LC_TIME", "LANG"}));
    QStringList territories;
    for (const char *name : {"LC_ALL", "LC_TIME", "LANG"})
        if (const QString locale = localeName(variable(name)); locale.contains(u'_'))
            territories.append(locale);
    QStringList languages;
    const QString listed = variable("LANGUAGE");
    for (QString language : listed.isEmpty() ? QStringList{messages} : listed.split(u':')) {
        language = localeName(language);
        if (language.isEmpty())
            continue;
        // The first that names this language lends its territory, or else the first at all,
        // where the language is spoken there ("fr" with LANG=en_CA is Canada's French).
        if (!language.contains(u'_')) {
            const auto same = std::find_if(territories.begin(), territories.end(),
                                           [&language](const QString &locale) {
                                               return locale.section(u'_', 0, 0) == language;
                                           });
            const QString lender = same != territories.end() ? *same
                                   : territories.isEmpty()   ? QString()
                                                             : territories.first();
            const QLocale lent(language + u'_' + lender.section(u'_', 1));
            if (!lender.isEmpty() && lent.name() == language + u'_' + lender.section(u'_', 1))
                language = lent.name();
        }
        languages.append(language);
    }
    return {languages, times};
}

QList<QTranslator *> SpeakLanguage(QCoreApplication &app, const DesktopLocale &desktop)
{
    for (const QString &language : desktop.languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        auto *own = new QTranslator(&app);
        if (!own->load(QStringLiteral(":/i18n/dialhour_") + locale.name().section(u'_', 0, 0))) {
            delete own;
            continue;
        }
        const QLocale times(desktop.times);
        QLocale::setDefault(!desktop.times.isEmpty() && times.language() == locale.language()
                                ? times
                                : locale);
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
