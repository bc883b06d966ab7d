#include "zoneclock/zoneclock.h"

#include "zoneclock/carriedrules.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace dialhour {
namespace {

QDateTime machineLocalTime(const QDateTime &now, const QTimeZone &machine)
{
    // A machine without a known zone is taken to be on UTC, as a zero bias implies.
    return machine.isValid() ? now.toTimeZone(machine) : now.toUTC();
}

double biasOf(const QTimeZone &machine, const QDateTime &now)
{
    return machine.isValid() ? -machine.standardTimeOffset(now) / 60.0 : 0.0;
}

constexpr qint64 SecondsPerDay = 24 * 60 * 60;

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
constexpr qint64 daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = int(year - era * 400);
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int yearOf(qint64 utcSeconds)
{
    // Close enough to land within a day of the year's start, then corrected.
    int year = int(1970 + utcSeconds / 31556952);
    while (daysFromCivil(year + 1, 1, 1) * SecondsPerDay <= utcSeconds)
        ++year;
    while (daysFromCivil(year, 1, 1) * SecondsPerDay > utcSeconds)
        --year;
    return year;
}

// The UTC second at which `rule` takes effect in `year`, on a clock `offsetBefore` seconds east.
constexpr qint64 ruleMoment(int year, const carried::YearlyRule &rule, int offsetBefore)
{
    const qint64 first = daysFromCivil(year, rule.month, 1);
    const int firstWeekday = int((first % 7 + 11) % 7); // 1970-01-01 was a Thursday
    qint64 day = first + (rule.weekday - firstWeekday + 7) % 7 + 7 * (rule.week - 1);
    const qint64 nextMonth =
        rule.month == 12 ? daysFromCivil(year + 1, 1, 1) : daysFromCivil(year, rule.month + 1, 1);
    while (day >= nextMonth) // "the fifth" means the last
        day -= 7;
    return day * SecondsPerDay + rule.seconds - offsetBefore;
}

static_assert(ruleMoment(2040, {3, 2, 0, 7200}, -5 * 3600) == 2215062000); // 2040-03-11 07:00 UTC
static_assert(ruleMoment(2040, {10, 5, 0, 10800}, 7200) == 2234998800);    // 2040-10-28 01:00 UTC

int carriedOffset(const carried::Zone &zone, qint64 utcSeconds)
{
    const auto changes =
        carried::AllChanges.subspan(std::size_t(zone.firstChange), std::size_t(zone.changeCount));
    if (utcSeconds < carried::Horizon) {
        // Before 2000 the first listed offset stands: the clock is never read that far back.
        const auto after = std::upper_bound(
            changes.begin() + 1, changes.end(), utcSeconds,
            [](qint64 seconds, const carried::Change &change) { return seconds < change.at; });
        return (after - 1)->offsetMinutes * 60;
    }
    const int standard = zone.standardMinutes * 60;
    if (zone.start.month == 0)
        return standard;
    const int daylight = zone.daylightMinutes * 60;
    const int year = yearOf(utcSeconds + standard);
    const qint64 start = ruleMoment(year, zone.start, standard);
    const qint64 end = ruleMoment(year, zone.end, daylight);
    const bool onDaylight = start < end ? utcSeconds >= start && utcSeconds < end
                                        : utcSeconds >= start || utcSeconds < end;
    return onDaylight ? daylight : standard;
}

const carried::Zone *findCarried(QByteArrayView ianaId)
{
    const std::string_view id(ianaId.data(), std::size_t(ianaId.size()));
    const auto found = std::lower_bound(
        carried::AllZones.begin(), carried::AllZones.end(), id,
        [](const carried::Zone &zone, std::string_view wanted) { return zone.id < wanted; });
    return found != carried::AllZones.end() && found->id == id ? &*found : nullptr;
}

} // namespace

ClockRules::ClockRules(const QTimeZone &machine)
    : machineZone(machine)
{
}

int ClockRules::offsetFromUtc(const QDateTime &instant) const
{
    if (carriedZone)
        return carriedOffset(*carriedZone, instant.toSecsSinceEpoch());
    return machineZone.isValid() ? machineZone.offsetFromUtc(instant) : 0;
}

ClockRules ZoneRules::forId(QByteArrayView ianaId) const
{
    if (from == Program)
        from = ProgramRules();
    // Qt reads an empty id as the machine's own zone, which is not what an unknown id means.
    if (ianaId.isEmpty() || from == NoDatabase)
        return {};
    if (from == Machine) {
        auto found = loaded.constFind(QByteArray::fromRawData(ianaId.data(), ianaId.size()));
        if (found == loaded.cend()) { // an unknown id is kept too, so it is looked for only once
            const QByteArray id = ianaId.toByteArray();
            found = loaded.insert(id, lookup ? lookup(id) : QTimeZone(id));
        }
        if (found->isValid())
            return ClockRules(*found);
    }
    const carried::Zone *zone = findCarried(ianaId);
    return zone ? ClockRules(*zone) : ClockRules();
}

QByteArrayView ZoneRules::carriedVersion()
{
    return QByteArrayView(static_cast<const char *>(carried::Version));
}

bool ZoneRules::carries(QByteArrayView ianaId)
{
    return findCarried(ianaId);
}

bool IsLaterVersion(QByteArrayView a, QByteArrayView b)
{
    // "2026f": a year, then letters that run a..z, za..zz, as the IANA numbers its releases.
    const auto parse = [](QByteArrayView v) -> std::optional<std::pair<int, QByteArrayView>> {
        if (v.size() < 5)
            return std::nullopt;
        bool ok = false;
        const int year = v.first(4).toInt(&ok);
        const QByteArrayView letters = v.sliced(4);
        if (!ok || year < 1000 || !std::all_of(letters.begin(), letters.end(), [](char c) {
                return c >= 'a' && c <= 'z';
            }))
            return std::nullopt;
        return std::pair(year, letters);
    };
    const auto left = parse(a), right = parse(b);
    if (!left || !right)
        return false;
    if (left->first != right->first)
        return left->first > right->first;
    if (left->second.size() != right->second.size())
        return left->second.size() > right->second.size();
    return left->second.compare(right->second) > 0;
}

QByteArray DatabaseVersion(const QString &folder)
{
    QFile file(folder + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The version line comes first; a few lines are enough to find it.
    for (int line = 0; line < 5 && !file.atEnd(); ++line) {
        const QByteArray text = file.readLine(256).trimmed();
        if (text.startsWith("# version "))
            return text.sliced(10).trimmed();
    }
    return {};
}

QList<QByteArray> MachineDatabaseVersions(const QString &kernelType, const QString &tzdir)
{
    if (kernelType != u"linux")
        return {};
    const QString system = QStringLiteral("/usr/share/zoneinfo");
    QList<QByteArray> versions{DatabaseVersion(system)};
    if (!tzdir.isEmpty() &&
        QFileInfo(tzdir).canonicalFilePath() != QFileInfo(system).canonicalFilePath())
        versions.append(DatabaseVersion(tzdir));
    return versions;
}

ZoneRules::Source NewestRules(const QList<QByteArray> &machineVersions)
{
    const bool allLater =
        std::all_of(machineVersions.begin(), machineVersions.end(), [](const QByteArray &version) {
            return IsLaterVersion(version, ZoneRules::carriedVersion());
        });
    return !machineVersions.isEmpty() && allLater ? ZoneRules::Machine : ZoneRules::Carried;
}

ZoneRules::Source ProgramRules()
{
    return NewestRules(
        MachineDatabaseVersions(QSysInfo::kernelType(), qEnvironmentVariable("TZDIR")));
}

QTimeZone MachineZone::read() const
{
    return isFixed ? fixed : QTimeZone::systemTimeZone();
}

ClockReading ReadSystemClock()
{
    return {QDateTime::currentDateTimeUtc(), MachineZone()};
}

double MachineBias(const ClockReading &clock)
{
    return biasOf(clock.machineZone.read(), clock.now);
}

QString ZoneTimeText(QAnyStringView zone, QByteArrayView clockZone, const ClockReading &clock,
                     const ZoneRules &rules)
{
    return ZoneTimeText(zone, rules.forId(clockZone), clock);
}

QString ZoneTimeText(QAnyStringView zone, const ClockRules &rules, const ClockReading &clock,
                     const TimeWriting &writing)
{
    if (rules.isValid())
        return ZoneTimeText(rules, clock.now, writing);
    const auto known = std::find_if(Zones.begin(), Zones.end(), [zone](const Zone &candidate) {
        return zone == candidate.name;
    });
    const QTimeZone machine = clock.machineZone.read(); // once, so both uses agree
    QTime wallClock = machineLocalTime(clock.now, machine).time();
    if (known != Zones.end()) {
        // Without the zone's rules, its standard time is the best we can do, shifted as the
        // machine's own clock is shifted for daylight saving.
        const int shiftMinutes = int(biasOf(machine, clock.now)) - known->offsetMinutes;
        wallClock = wallClock.addSecs(shiftMinutes * 60); // wraps at midnight
    }
    return FormatZoneTime(wallClock.hour(), wallClock.minute(), writing);
}

QString ZoneTimeText(const ClockRules &rules, const QDateTime &now, const TimeWriting &writing)
{
    const int minuteOfDay = WallMinute(rules, now);
    return FormatZoneTime(minuteOfDay / 60, minuteOfDay % 60, writing);
}

int WallMinute(const ClockRules &rules, const QDateTime &now)
{
    const qint64 local = now.toSecsSinceEpoch() + rules.offsetFromUtc(now);
    return int(((local / 60) % (24 * 60) + 24 * 60) % (24 * 60));
}

int MsecsToNextMinute(const QDateTime &now)
{
    constexpr qint64 minute = 60 * 1000;
    return int(minute - ((now.toMSecsSinceEpoch() % minute) + minute) % minute);
}

QString FormatZoneTime(int hour, int minute)
{
    const bool callingHours = hour >= 8 && hour <= 17;
    const bool afternoon = hour >= 12;
    const int shownHour = hour > 12 ? hour - 12 : hour;
    // Written into one buffer, since every answer makes a text per clock: decimal numbers
    // without padding of their own, the minute behind its filler.
    std::array<char, 32> text{};
    auto at = text.begin();
    const auto decimal = [&at](int value) {
        if (value >= 10)
            *at++ = char('0' + value / 10);
        *at++ = char('0' + value % 10);
    };
    const auto append = [&at](std::string_view piece) {
        at = std::copy(piece.begin(), piece.end(), at);
    };
    decimal(shownHour);
    append(":");
    if (minute < 10)
        append("0");
    decimal(minute);
    append(afternoon ? " PM" : " AM");
    append(callingHours ? "." : ". DO NOT CALL.");
    return QString::fromLatin1(text.data(), qsizetype(at - text.begin()));
}

namespace {

// The locale's short time format, with Quebec's hours written without a leading zero ("7 h 59"),
// as the Office québécois de la langue française writes them.
QString timeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (locale.language() == QLocale::French && locale.territory() == QLocale::Canada &&
        format.startsWith(QStringLiteral("HH")))
        format.remove(0, 1);
    return format;
}

} // namespace

QString FormatZoneTime(int hour, int minute, const TimeWriting &writing)
{
    if (!writing.locale)
        return FormatZoneTime(hour, minute);
    const bool callingHours = hour >= 8 && hour <= 17;
    const QLocale &locale = *writing.locale;
    QString time = locale.toString(QTime(hour, minute), timeFormat(locale));
    // The day period as the locale's own text writes it ("p. m."), where the format's code
    // forces it into capitals.
    const QString period = hour >= 12 ? locale.pmText() : locale.amText();
    time.replace(period.toUpper(), period);
    // "2:34 p. m." already ends the sentence that the advice's period would end again.
    if (time.endsWith(u'.'))
        time.chop(1);
    return time + (callingHours ? writing.within : writing.outside);
}

} // namespace dialhour
