#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <functional>

class QTranslator;

// The languages a desktop asks programs to speak, most preferred first (none: its programs' own
// words), and the locale it writes times in, where it names one.
struct DesktopLocale {
    QStringList languages;
    QString times;
};

// As gettext and glibc read a POSIX environment, `variable` giving each variable's value: the C
// or POSIX locale, or none, means the programs' own words whatever LANGUAGE says; LANGUAGE's
// list, or else the messages' locale; a bare language takes its territory from LC_ALL, LC_TIME
// or LANG, in that order; times follow LC_ALL, LC_TIME or LANG.
DesktopLocale PosixDesktopLocale(const std::function<QString(const char *)> &variable);

// This desktop's, as its platform sets them.
DesktopLocale CurrentDesktopLocale();

// Makes the program speak the first of `desktop`'s languages (as QLocale::uiLanguages() gives
// them) that it has a translation for, unless English comes first: its own words, Qt's (the text
// box's menu), and times as that language and region write them, or as the desktop's time locale
// does where it is of that language. English where none. The translators installed, owned by
// `app`.
QList<QTranslator *> SpeakLanguage(QCoreApplication &app, const DesktopLocale &desktop);
