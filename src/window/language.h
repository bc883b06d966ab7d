#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class QTranslator;

// Makes the program speak the first of `languages` (as QLocale::uiLanguages() gives them, most
// preferred first) that it has a translation for, unless English comes first: its own words,
// Qt's (the text box's menu), and times as that language and region write them. English where
// none. The translators installed, owned by `app`.
QList<QTranslator *> SpeakLanguage(QCoreApplication &app, const QStringList &languages);
