#pragma once

#include <QAnyStringView>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QLatin1StringView>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <array>
#include <optional>

namespace dialhour {

struct Zone {
    QLatin1StringView name;
    // Minutes west of UTC in standard time; used only where no rules hold a code's clock.
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

namespace carried {
struct Zone;
}

// One clock's rules: its offset from UTC at any instant. Invalid where no rules are known.
class ClockRules {
public:
    ClockRules() = default;
    explicit ClockRules(const carried::Zone &carried)
        : carriedZone(&carried)
    {
    }
    explicit ClockRules(const QTimeZone &machine);

    bool isValid() const { return carriedZone || machineZone.isValid(); }
    bool isCarried() const { return carriedZone; }
    // Seconds east of UTC at `instant`; 0 when invalid.
    int offsetFromUtc(const QDateTime &instant) const;

private:
    const carried::Zone *carriedZone = nullptr;
    QTimeZone machineZone;
};

// The rules of every clock by IANA id, from the set the program carries or from the machine's
// own database. Where the machine's database lacks an id, the carried rules answer for it.
class ZoneRules {
public:
    enum Source {
        Carried,
        Machine,
        // Every id unknown, as with no time-zone data at all.
        NoDatabase,
        // The program's own choice, ProgramRules(), made at the first answer rather than at
        // start-up, which does not need it.
        Program,
    };
    // How the machine's database is asked for a zone: Qt's own, unless a test stands in for it.
    using MachineLookup = QTimeZone (*)(const QByteArray &ianaId);

    explicit ZoneRules(Source source = Carried, MachineLookup lookup = nullptr)
        : from(source)
        , lookup(lookup)
    {
    }

    ClockRules forId(QByteArrayView ianaId) const;

    // The IANA database version of the carried rules, such as "2026f".
    static QByteArrayView carriedVersion();
    // Whether the carried set holds `ianaId`.
    static bool carries(QByteArrayView ianaId);

private:
    mutable Source from;
    MachineLookup lookup;
    // The machine's zones are read from disk on first use and kept: a zone's rules cannot
    // change while the program runs, and most runs need only a few of them.
    mutable QHash<QByteArray, QTimeZone> loaded;
};

// Whether IANA version `a` ("2025b") is later than `b`; an unreadable version is never later.
bool IsLaterVersion(QByteArrayView a, QByteArrayView b);

// The version named by the `# version` line of `folder`/tzdata.zi; empty when there is none or
// it cannot be read.
QByteArray DatabaseVersion(const QString &folder);

// The versions of every zone database Qt may read zones from on this machine, as
// DatabaseVersion gives them: the system's, and the one `tzdir` names, since Qt honours TZDIR
// in some releases and falls back zone by zone to the system's. None where Qt reads no IANA
// folder, as on Windows, where it maps ids to a table of its own.
QList<QByteArray> MachineDatabaseVersions(const QString &kernelType, const QString &tzdir);

// The rules answers are given by: the machine's only where every database Qt may read is known
// to be later than the carried rules, since older rules would undo changes the program knows.
ZoneRules::Source NewestRules(const QList<QByteArray> &machineVersions);

// The same for this machine as it is now.
ZoneRules::Source ProgramRules();

// The machine's own zone, read only where an answer needs it: the estimate for a clock without
// rules does, and nothing else, while asking the system costs file-system calls each time.
class MachineZone {
public:
    // The machine's setting, read afresh at each use, since its user may change it.
    MachineZone() = default;
    // A zone that stands in for the machine's, as a test's machine.
    MachineZone(const QTimeZone &zone)
        : fixed(zone)
        , isFixed(true)
    {
    }

    QTimeZone read() const;

private:
    QTimeZone fixed;
    bool isFixed = false;
};

// How a language writes the time and its call advice: unset, the program's own English text
// ("3:07 PM."); set, the locale's short time followed by the language's words, "15 h 07." or
// "7 h 45. NE PAS APPELER.".
struct TimeWriting {
    std::optional<QLocale> locale;
    QString within;  // after a time within calling hours: "."
    QString outside; // after any other: ". DO NOT CALL."
};

// The moment an answer is given and the machine's own zone.
struct ClockReading {
    QDateTime now;
    MachineZone machineZone;
};

// The real clock and the machine's own setting.
ClockReading ReadSystemClock();

// The machine's standard-time bias in minutes, UTC = local time + bias; 0 when the machine's
// zone is unknown.
double MachineBias(const ClockReading &clock);

// "3:07 PM." or "7:45 AM. DO NOT CALL." at clock.now on the wall clock of `clockZone`, an IANA
// id. Where `rules` hold nothing for that id, the time is worked out from the zone named
// `zone`; an unknown name as well gives the machine's own local time.
QString ZoneTimeText(QAnyStringView zone, QByteArrayView clockZone, const ClockReading &clock,
                     const ZoneRules &rules);

// The same where the clock's rules have been looked up already.
QString ZoneTimeText(QAnyStringView zone, const ClockRules &rules, const ClockReading &clock,
                     const TimeWriting &writing = {});

// The same for a clock whose rules are known.
QString ZoneTimeText(const ClockRules &rules, const QDateTime &now,
                     const TimeWriting &writing = {});

// Minutes since midnight on that clock's wall at `now`, 0..1439: two clocks whose minutes agree
// show the same text.
int WallMinute(const ClockRules &rules, const QDateTime &now);

// Milliseconds from `now` to the start of the next minute, 1..60000. Every clock of the plan is a
// whole number of minutes from UTC, so each one's minute turns then.
int MsecsToNextMinute(const QDateTime &now);

// The text for a 24-hour wall-clock time; the advice depends on the 24-hour value.
QString FormatZoneTime(int hour, int minute);

QString FormatZoneTime(int hour, int minute, const TimeWriting &writing);

} // namespace dialhour
