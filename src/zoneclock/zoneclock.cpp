#include "zoneclock/zoneclock.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace dialhour {
namespace {

// IANA ids renamed over the years, with the name they had before. The database keeps the old
// name as a link to the same rules, and some backends know only that one: Qt on Windows knows
// the ids of CLDR's Windows-zone table, which keeps older names for these.
constexpr std::pair<QByteArrayView, QByteArrayView> OlderIds[] = {
    {"America/Indiana/Indianapolis", "America/Indianapolis"}, // the clock of 317 and six more
    {"Asia/Kolkata", "Asia/Calcutta"}, // a half-hour machine zone of the zone-clock tests
};

QDateTime machineLocalTime(const ClockReading &clock)
{
    // A machine without a known zone is taken to be on UTC, as a zero bias implies.
    return clock.machineZone.isValid() ? clock.now.toTimeZone(clock.machineZone)
                                       : clock.now.toUTC();
}

} // namespace

QTimeZone ZoneRules::forId(QByteArrayView ianaId) const
{
    // Qt reads an empty id as the machine's own zone, which is not what an unknown id means.
    if (ianaId.isEmpty() || source == NoDatabase)
        return {};
    if (const auto found = loaded.constFind(QByteArray::fromRawData(ianaId.data(), ianaId.size()));
        found != loaded.cend())
        return *found;
    // An unknown id is kept too, so that it is looked for only once.
    const QByteArray id = ianaId.toByteArray();
    QTimeZone zone(id);
    if (!zone.isValid()) {
        const auto renamed =
            std::find_if(std::begin(OlderIds), std::end(OlderIds),
                         [ianaId](const auto &ids) { return ids.first == ianaId; });
        if (renamed != std::end(OlderIds))
            zone = QTimeZone(renamed->second.toByteArray());
    }
    return *loaded.insert(id, zone);
}

const ZoneRules &InstalledZoneRules()
{
    static const ZoneRules rules;
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

QString ZoneTimeText(QAnyStringView zone, QByteArrayView clockZone, const ClockReading &clock,
                     const ZoneRules &rules)
{
    if (const QTimeZone rule = rules.forId(clockZone); rule.isValid()) {
        const QTime wallClock = clock.now.toTimeZone(rule).time();
        return FormatZoneTime(wallClock.hour(), wallClock.minute());
    }
    const auto known = std::find_if(Zones.begin(), Zones.end(), [zone](const Zone &candidate) {
        return zone == candidate.name;
    });
    QTime wallClock = machineLocalTime(clock).time();
    if (known != Zones.end()) {
        // Without the zone's rules, its standard time is the best we can do, shifted as the
        // machine's own clock is shifted for daylight saving.
        const int shiftMinutes = int(MachineBias(clock)) - known->offsetMinutes;
        wallClock = wallClock.addSecs(shiftMinutes * 60); // wraps at midnight
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
