#include "zoneclock/zoneclock.h"

#include <algorithm>

namespace dialhour {
namespace {

QDateTime machineLocalTime(const ClockReading &clock)
{
    // A machine without a known zone is taken to be on UTC, as a zero bias implies.
    return clock.machineZone.isValid() ? clock.now.toTimeZone(clock.machineZone)
                                       : clock.now.toUTC();
}

} // namespace

ZoneRules LoadZoneRules()
{
    ZoneRules rules;
    for (std::size_t i = 0; i < Zones.size(); ++i)
        rules[i] = QTimeZone(Zones[i].ianaId);
    return rules;
}

const ZoneRules &InstalledZoneRules()
{
    static const ZoneRules rules = LoadZoneRules();
    return rules;
}

ClockReading ReadSystemClock()
{
    return {QDateTime::currentDateTimeUtc(), QTimeZone::systemTimeZone()};
}

double MachineBias(const ClockReading &clock)
{
    if (!clock.machineZone.isValid())
        return 0.0;
    return -clock.machineZone.standardTimeOffset(clock.now) / 60.0;
}

QString ZoneTimeText(QAnyStringView zone, const ClockReading &clock, const ZoneRules &rules)
{
    const auto known = std::find_if(Zones.begin(), Zones.end(), [zone](const Zone &candidate) {
        return zone == candidate.name;
    });
    QTime wallClock;
    if (known == Zones.end()) {
        wallClock = machineLocalTime(clock).time();
    } else if (const QTimeZone &rule = rules[std::size_t(known - Zones.begin())]; rule.isValid()) {
        wallClock = clock.now.toTimeZone(rule).time();
    } else {
        // Without the zone's rules, its standard time is the best we can do, shifted as the
        // machine's own clock is shifted for daylight saving.
        const int shiftMinutes = int(MachineBias(clock)) - known->offsetMinutes;
        wallClock = machineLocalTime(clock).time().addSecs(shiftMinutes * 60); // wraps at midnight
    }
    return FormatZoneTime(wallClock.hour(), wallClock.minute());
}

QString FormatZoneTime(int hour, int minute)
{
    const bool callingHours = hour >= 8 && hour <= 17;
    const bool afternoon = hour >= 12;
    const int shownHour = hour > 12 ? hour - 12 : hour;
    QString text = QString::number(shownHour) + u':';
    if (minute < 10)
        text += u'0';
    text += QString::number(minute);
    text += afternoon ? QLatin1StringView(" PM") : QLatin1StringView(" AM");
    text += callingHours ? QLatin1StringView(".") : QLatin1StringView(". DO NOT CALL.");
    return text;
}

} // namespace dialhour
