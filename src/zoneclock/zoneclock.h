#pragma once

#include <QAnyStringView>
#include <QDateTime>
#include <QLatin1StringView>
#include <QString>
#include <QTimeZone>

#include <array>

namespace dialhour {

struct Zone {
    QLatin1StringView name;
    const char *ianaId;
    // Minutes west of UTC in standard time; used only where the machine lacks the zone's rules.
    int offsetMinutes;
};

// Matched in this order, exactly and case-sensitively.
inline constexpr std::array<Zone, 7> Zones{{
    {QLatin1StringView("EASTERN"), "America/New_York", 300},
    {QLatin1StringView("CENTRAL"), "America/Chicago", 360},
    {QLatin1StringView("MOUNTAIN"), "America/Denver", 420},
    {QLatin1StringView("PACIFIC"), "America/Los_Angeles", 480},
    {QLatin1StringView("ALASKA"), "America/Anchorage", 540},
    {QLatin1StringView("HAWAII"), "Pacific/Honolulu", 600},
    {QLatin1StringView("ATLANTIC"), "America/Halifax", 240},
}};

// The rules of each of Zones, in the same order; invalid where the machine has none.
using ZoneRules = std::array<QTimeZone, Zones.size()>;

ZoneRules LoadZoneRules();
// Loaded on first use and kept: a zone's rules cannot change while the program runs.
const ZoneRules &InstalledZoneRules();

// The moment an answer is given and the machine's own zone at that moment.
struct ClockReading {
    QDateTime now;
    QTimeZone machineZone;
};

// The real clock; the machine's zone is read afresh each time because its user may change it.
ClockReading ReadSystemClock();

// The machine's standard-time bias in minutes, UTC = local time + bias; 0 when the machine's
// zone is unknown.
double MachineBias(const ClockReading &clock);

// "3:07 PM." or "7:45 AM. DO NOT CALL." for the zone named `zone` at clock.now. An unknown
// name gives the machine's own local time.
QString ZoneTimeText(QAnyStringView zone, const ClockReading &clock,
                     const ZoneRules &rules = InstalledZoneRules());

// The text for a 24-hour wall-clock time; the advice depends on the 24-hour value.
QString FormatZoneTime(int hour, int minute);

} // namespace dialhour
