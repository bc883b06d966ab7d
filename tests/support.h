#pragma once

#include "zoneclock/zoneclock.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtGlobal>

namespace dialhour::testing {

// 20:07 UTC on a machine kept on UTC: 3:07 PM in New York in January, 4:07 PM in July.
inline ClockReading clockAt(int month)
{
    return {QDateTime(QDate(2026, month, 15), QTime(20, 7), QTimeZone::utc()), QTimeZone::utc()};
}

inline ClockReading januaryClock()
{
    return clockAt(1);
}

// A machine's own zone by IANA id. Qt on Windows knows ids by its Windows-zone table, which
// keeps Asia/Kolkata under its older name.
inline QTimeZone machineZone(const QByteArray &id)
{
    QTimeZone zone(id);
    return zone.isValid() || id != "Asia/Kolkata" ? zone : QTimeZone("Asia/Calcutta");
}

// A fresh seed for randomized tests, or DIALHOUR_SEED to replay a failure.
inline quint32 randomSeed()
{
    return qEnvironmentVariableIsSet("DIALHOUR_SEED")
               ? quint32(qEnvironmentVariableIntValue("DIALHOUR_SEED"))
               : QRandomGenerator::global()->generate();
}

// Text with the day periods of Spanish in the Americas written "7:59 a. m." and "3:07 p. m.",
// however the CLDR of this Qt spaces them ("p.\u00A0m." in Qt 6.4; "p.m." for es_US, after a
// narrow no-break space, in Qt 6.8): in lower case, as every one of them writes them.
inline QString withDayPeriodsSpaced(QString text)
{
    static const QRegularExpression period(
        QStringLiteral("(\\d)[\\x{00A0}\\x{202F} ]([ap])\\.[\\x{00A0}\\x{202F} ]?m\\."));
    return text.replace(period, QStringLiteral("\\1 \\2. m."));
}

} // namespace dialhour::testing
