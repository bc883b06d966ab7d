#pragma once

#include <QAnyStringView>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QLatin1StringView>
#include <QString>
#include <QTimeZone>

#include <array>

namespace dialhour {

struct Zone {
    QLatin1StringView name;
    // Minutes west of UTC in standard time; used only where the machine lacks a code's rules.
    int offsetMinutes;
};

// Matched in this order, exactly and case-sensitively.
inline constexpr std::array<Zone, 7> Zones{{
    {QLatin1StringView("EASTERN"), 300},
    {QLatin1StringView("CENTRAL"), 360},
    {QLatin1StringView("MOUNTAIN"), 420},
    {QLatin1StringView("PACIFIC"), 480},
    {QLatin1StringView("ALASKA"), 540},
    {QLatin1StringView("HAWAII"), 600},
    {QLatin1StringView("ATLANTIC"), 240},
}};

// Time-zone rules by IANA id, each read from the installed database on first use and kept: a
// zone's rules cannot change while the program runs, and most runs need only a few of them.
class ZoneRules {
public:
    enum Source {
        Installed,
        // Every id unknown, as on a machine without time-zone data.
        NoDatabase,
    };

    explicit ZoneRules(Source source = Installed)
        : source(source)
    {
    }

    // Invalid where the id is unknown, under its current name and under the one it had before.
    QTimeZone forId(QByteArrayView ianaId) const;

private:
    Source source;
    mutable QHash<QByteArray, QTimeZone> loaded;
};

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

// "3:07 PM." or "7:45 AM. DO NOT CALL." at clock.now on the wall clock of `clockZone`, an IANA
// id. Where the machine has no rules for that id, the time is worked out from the zone named
// `zone`; an unknown name as well gives the machine's own local time.
QString ZoneTimeText(QAnyStringView zone, QByteArrayView clockZone, const ClockReading &clock,
                     const ZoneRules &rules = InstalledZoneRules());

// The text for a 24-hour wall-clock time; the advice depends on the 24-hour value.
QString FormatZoneTime(int hour, int minute);

} // namespace dialhour
