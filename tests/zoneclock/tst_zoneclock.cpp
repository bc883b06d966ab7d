#include "directory/directory.h"
#include "support.h"
#include "zoneclock/zoneclock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace dialhour;

namespace {

QDateTime utc(const char *isoMinute)
{
    QDateTime t = QDateTime::fromString(QLatin1StringView(isoMinute), Qt::ISODate);
    t.setTimeZone(QTimeZone::utc());
    return t;
}

const ZoneRules &noRules()
{
    static const ZoneRules none(ZoneRules::NoDatabase);
    return none;
}

// The carried rules, so that answers do not depend on the machine's vintage of zone data.
const ZoneRules &carriedRules()
{
    static const ZoneRules rules(ZoneRules::Carried);
    return rules;
}

// Machines whose own zone must not change the answer: no daylight saving, the other
// hemisphere's calendar, a half-hour offset, and the zones themselves.
const char *const MachineZones[] = {"UTC",           "America/New_York", "Pacific/Honolulu",
                                    "Europe/Berlin", "America/Phoenix",  "America/Regina",
                                    "Asia/Kolkata",  "Australia/Sydney"};

} // namespace

class TestZoneClock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void onUtcMachine_data();
    void onUtcMachine();
    void throughTheDay_data();
    void throughTheDay();
    void codesKeepTheirOwnClock_data();
    void codesKeepTheirOwnClock();
    void withoutZoneRules_data();
    void withoutZoneRules();
    void unknownZoneShowsMachineTime_data();
    void unknownZoneShowsMachineTime();
    void machineBias_data();
    void machineBias();
    void machineZoneReadAtEachUse();
    void newestRulesWin_data();
    void newestRulesWin();
    void machineDatabaseVersions_data();
    void machineDatabaseVersions();
    void machineLacksAnId();
};

void TestZoneClock::initTestCase()
{
    // Machine zones below come from the machine's own database.
    QVERIFY2(QTimeZone("America/New_York").isValid(), "time-zone data (tzdata) is not installed");
}

void TestZoneClock::onUtcMachine_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    QTest::newRow("afternoon") << "EASTERN" << utc("2026-01-15T20:07") << "3:07 PM.";
    QTest::newRow("before eight") << "EASTERN" << utc("2026-01-15T12:45")
                                  << "7:45 AM. DO NOT CALL.";
    QTest::newRow("after midnight")
        << "EASTERN" << utc("2026-01-15T05:05") << "0:05 AM. DO NOT CALL.";
    QTest::newRow("noon") << "EASTERN" << utc("2026-01-15T17:00") << "12:00 PM.";
    QTest::newRow("eight") << "EASTERN" << utc("2026-01-15T13:00") << "8:00 AM.";
    QTest::newRow("last calling minute") << "EASTERN" << utc("2026-01-15T22:59") << "5:59 PM.";
    QTest::newRow("six") << "EASTERN" << utc("2026-01-15T23:00") << "6:00 PM. DO NOT CALL.";
    QTest::newRow("month rolls back")
        << "EASTERN" << utc("2026-02-01T03:30") << "10:30 PM. DO NOT CALL.";
    QTest::newRow("hawaii") << "HAWAII" << utc("2026-01-15T20:07") << "10:07 AM.";
    QTest::newRow("atlantic") << "ATLANTIC" << utc("2026-01-15T20:07") << "4:07 PM.";
    QTest::newRow("central") << "CENTRAL" << utc("2026-01-15T20:07") << "2:07 PM.";
    QTest::newRow("mountain") << "MOUNTAIN" << utc("2026-01-15T20:07") << "1:07 PM.";
    QTest::newRow("pacific") << "PACIFIC" << utc("2026-01-15T20:07") << "12:07 PM.";
    QTest::newRow("alaska") << "ALASKA" << utc("2026-01-15T20:07") << "11:07 AM.";
}

void TestZoneClock::onUtcMachine()
{
    QFETCH(QString, zone);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    static const QHash<QString, QByteArray> clockOf{
        {"EASTERN", "America/New_York"}, {"CENTRAL", "America/Chicago"},
        {"MOUNTAIN", "America/Denver"},  {"PACIFIC", "America/Los_Angeles"},
        {"ALASKA", "America/Anchorage"}, {"HAWAII", "Pacific/Honolulu"},
        {"ATLANTIC", "America/Halifax"}};
    const ClockReading clock{now, QTimeZone::utc()};
    QCOMPARE(ZoneTimeText(zone, clockOf.value(zone), clock, carriedRules()), text);
    // In winter the fallback's standard time is the same answer.
    QCOMPARE(ZoneTimeText(zone, clockOf.value(zone), clock, noRules()), text);
}

void TestZoneClock::throughTheDay_data()
{
    QTest::addColumn<QTime>("wallClock");
    QTest::addColumn<QString>("text");
    // Every hour once, its minute stepping through 0, 9, 10 and 59 either side of the filler,
    // with both calling-hour edges and both sides of noon and midnight.
    const std::pair<const char *, const char *> rows[] = {
        {"00:00", "0:00 AM. DO NOT CALL."},
        {"01:09", "1:09 AM. DO NOT CALL."},
        {"02:10", "2:10 AM. DO NOT CALL."},
        {"03:59", "3:59 AM. DO NOT CALL."},
        {"04:00", "4:00 AM. DO NOT CALL."},
        {"05:09", "5:09 AM. DO NOT CALL."},
        {"06:10", "6:10 AM. DO NOT CALL."},
        {"07:59", "7:59 AM. DO NOT CALL."},
        {"08:00", "8:00 AM."},
        {"09:09", "9:09 AM."},
        {"10:10", "10:10 AM."},
        {"11:59", "11:59 AM."},
        {"12:00", "12:00 PM."},
        {"13:09", "1:09 PM."},
        {"14:10", "2:10 PM."},
        {"15:59", "3:59 PM."},
        {"16:00", "4:00 PM."},
        {"17:59", "5:59 PM."},
        {"18:00", "6:00 PM. DO NOT CALL."},
        {"19:09", "7:09 PM. DO NOT CALL."},
        {"20:10", "8:10 PM. DO NOT CALL."},
        {"21:59", "9:59 PM. DO NOT CALL."},
        {"22:00", "10:00 PM. DO NOT CALL."},
        {"23:59", "11:59 PM. DO NOT CALL."},
    };
    for (const auto &[at, text] : rows)
        QTest::newRow(at) << QTime::fromString(QLatin1StringView(at), u"hh:mm") << text;
}

// Each rule of the time text on a clock that reads UTC, so the wall clock is the instant's.
void TestZoneClock::throughTheDay()
{
    QFETCH(QTime, wallClock);
    QFETCH(QString, text);
    const QDateTime now(QDate(2026, 1, 15), wallClock, QTimeZone::utc());
    QCOMPARE(ZoneTimeText(ClockRules(QTimeZone::utc()), now), text);
    // The estimate without rules formats alike.
    QCOMPARE(ZoneTimeText("", "", {now, QTimeZone::utc()}, noRules()), text);
}

void TestZoneClock::codesKeepTheirOwnClock_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    const QDateTime winter = utc("2026-12-07T20:07"), summer = utc("2026-07-15T20:07");
    struct Case {
        const char *name;
        int code;
        const char *winter, *summer;
    };
    // Each sits in a zone that its zone name alone would get wrong in one season or both.
    const Case cases[] = {
        {"Barbados, no daylight saving", 246, "4:07 PM.", "4:07 PM."},
        {"Guam, next day", 671, "6:07 AM. DO NOT CALL.", "6:07 AM. DO NOT CALL."},
        {"Newfoundland, half hour", 709, "4:37 PM.", "5:37 PM."},
        {"Arizona, no daylight saving", 602, "1:07 PM.", "1:07 PM."},
        {"Saskatchewan, central all year", 306, "2:07 PM.", "2:07 PM."},
        {"Indiana, eastern", 317, "3:07 PM.", "4:07 PM."},
        {"eastern Tennessee", 423, "3:07 PM.", "4:07 PM."},
        {"El Paso, mountain", 915, "1:07 PM.", "2:07 PM."},
        {"Honolulu", 808, "10:07 AM.", "10:07 AM."},
        {"New York", 212, "3:07 PM.", "4:07 PM."},
        {"American Samoa", 684, "9:07 AM.", "9:07 AM."},
        {"Dominican Republic", 829, "4:07 PM.", "4:07 PM."},
        {"Alberta, on UTC-6 all year since 2026", 368, "2:07 PM.", "2:07 PM."},
        {"Manitoba, on UTC-5 since November 2026", 204, "3:07 PM.", "3:07 PM."},
        {"British Columbia, on UTC-7 all year", 604, "1:07 PM.", "1:07 PM."},
    };
    for (const Case &c : cases) {
        QTest::addRow("%d %s, winter", c.code, c.name) << c.code << winter << c.winter;
        QTest::addRow("%d %s, summer", c.code, c.name) << c.code << summer << c.summer;
    }
    QTest::newRow("spring forward before")
        << 212 << utc("2026-03-08T06:59") << "1:59 AM. DO NOT CALL.";
    QTest::newRow("spring forward after")
        << 212 << utc("2026-03-08T07:00") << "3:00 AM. DO NOT CALL.";
    QTest::newRow("fall back first 1:30")
        << 212 << utc("2026-11-01T05:30") << "1:30 AM. DO NOT CALL.";
    QTest::newRow("fall back second 1:30")
        << 212 << utc("2026-11-01T06:30") << "1:30 AM. DO NOT CALL.";
    // Either side of the 2026 changes, and the carried rule that follows the listed years.
    QTest::newRow("Vancouver, last change back")
        << 604 << utc("2025-11-02T09:30") << "1:30 AM. DO NOT CALL.";
    QTest::newRow("Vancouver, last spring forward")
        << 604 << utc("2026-03-08T10:00") << "3:00 AM. DO NOT CALL.";
    QTest::newRow("Winnipeg, after the November it no longer fell back")
        << 204 << utc("2026-11-08T17:00") << "12:00 PM.";
    QTest::newRow("after the listed years, daylight")
        << 212 << utc("2040-07-04T16:00") << "12:00 PM.";
    QTest::newRow("after the listed years, spring forward")
        << 212 << utc("2040-03-11T07:00") << "3:00 AM. DO NOT CALL.";
    QTest::newRow("after the listed years, standard")
        << 212 << utc("2040-12-25T17:00") << "12:00 PM.";
    QTest::newRow("after the listed years, fixed") << 604 << utc("2041-07-04T19:00") << "12:00 PM.";
    // Both changes of each kind of yearly rule, the minute before and the minute after, from
    // the listed changes and, past 2037, from the closing rule.
    struct Change {
        const char *name;
        int code;
        const char *before, *after, *textBefore, *textAfter;
    };
    const Change changes[] = {
        {"New York, spring 2040", 212, "2040-03-11T06:59", "2040-03-11T07:00",
         "1:59 AM. DO NOT CALL.", "3:00 AM. DO NOT CALL."},
        {"New York, autumn 2026", 212, "2026-11-01T05:59", "2026-11-01T06:00",
         "1:59 AM. DO NOT CALL.", "1:00 AM. DO NOT CALL."},
        {"New York, autumn 2040", 212, "2040-11-04T05:59", "2040-11-04T06:00",
         "1:59 AM. DO NOT CALL.", "1:00 AM. DO NOT CALL."},
        {"Newfoundland, spring 2026", 709, "2026-03-08T05:29", "2026-03-08T05:30",
         "1:59 AM. DO NOT CALL.", "3:00 AM. DO NOT CALL."},
        {"Newfoundland, autumn 2026", 709, "2026-11-01T04:29", "2026-11-01T04:30",
         "1:59 AM. DO NOT CALL.", "1:00 AM. DO NOT CALL."},
        {"Newfoundland, spring 2041", 709, "2041-03-10T05:29", "2041-03-10T05:30",
         "1:59 AM. DO NOT CALL.", "3:00 AM. DO NOT CALL."},
        {"Newfoundland, autumn 2041", 709, "2041-11-03T04:29", "2041-11-03T04:30",
         "1:59 AM. DO NOT CALL.", "1:00 AM. DO NOT CALL."},
    };
    for (const Change &c : changes) {
        QTest::addRow("%s, minute before", c.name) << c.code << utc(c.before) << c.textBefore;
        QTest::addRow("%s, minute after", c.name) << c.code << utc(c.after) << c.textAfter;
    }
}

void TestZoneClock::codesKeepTheirOwnClock()
{
    QFETCH(int, code);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    for (const char *machine : MachineZones) {
        const QTimeZone machineZone = testing::machineZone(machine);
        QVERIFY2(machineZone.isValid(), machine);
        const QString shown = ZoneTimeText(ZoneByCode(code), ClockZoneByCode(code),
                                           {now, machineZone}, carriedRules());
        QVERIFY2(shown == text,
                 qPrintable(QString("on a %1 machine it shows %2").arg(machine, shown)));
    }
}

void TestZoneClock::withoutZoneRules_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<QString>("text");
    QTest::newRow("utc machine") << "EASTERN" << utc("2026-01-15T20:07") << QByteArray("UTC")
                                 << "3:07 PM.";
    QTest::newRow("east of utc") << "EASTERN" << utc("2026-01-15T20:07")
                                 << QByteArray("Europe/Berlin") << "3:07 PM.";
    QTest::newRow("half-hour bias")
        << "ATLANTIC" << utc("2026-01-15T20:07") << QByteArray("Asia/Kolkata") << "4:07 PM.";
    // The machine's daylight shift is applied to every zone: all it can do without rules.
    QTest::newRow("machine on daylight time")
        << "HAWAII" << utc("2026-07-15T20:07") << QByteArray("America/New_York") << "11:07 AM.";
    QTest::newRow("wraps past midnight")
        << "EASTERN" << utc("2026-02-01T03:30") << QByteArray("UTC") << "10:30 PM. DO NOT CALL.";
    QTest::newRow("wraps forward") << "ATLANTIC" << utc("2026-01-15T23:30")
                                   << QByteArray("Asia/Tokyo") << "7:30 PM. DO NOT CALL.";
    QTest::newRow("unknown machine zone")
        << "PACIFIC" << utc("2026-01-15T20:07") << QByteArray("No/Such_Zone") << "12:07 PM.";
}

void TestZoneClock::withoutZoneRules()
{
    QFETCH(QString, zone);
    QFETCH(QDateTime, now);
    QFETCH(QByteArray, machine);
    QFETCH(QString, text);
    const ClockReading clock{now, testing::machineZone(machine)};
    QCOMPARE(ZoneTimeText(zone, "America/New_York", clock, noRules()), text);
    // An id no rules hold, or none at all, takes the same road.
    for (ZoneRules::Source source : {ZoneRules::Carried, ZoneRules::Machine}) {
        QCOMPARE(ZoneTimeText(zone, "America/Nowhere_Atoll", clock, ZoneRules(source)), text);
        QCOMPARE(ZoneTimeText(zone, "", clock, ZoneRules(source)), text);
    }
}

void TestZoneClock::unknownZoneShowsMachineTime_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << "eastern" << QByteArray("America/New_York") << "3:07 PM.";
    QTest::newRow("trailing space")
        << "HAWAII " << QByteArray("Asia/Tokyo") << "5:07 AM. DO NOT CALL.";
    QTest::newRow("empty") << "" << QByteArray("UTC") << "8:07 PM. DO NOT CALL.";
}

void TestZoneClock::unknownZoneShowsMachineTime()
{
    QFETCH(QString, zone);
    QFETCH(QByteArray, machine);
    QFETCH(QString, text);
    const ClockReading clock{utc("2026-01-15T20:07"), testing::machineZone(machine)};
    QCOMPARE(ZoneTimeText(zone, "America/Nowhere_Atoll", clock, carriedRules()), text);
    QCOMPARE(ZoneTimeText(zone, "America/New_York", clock, noRules()), text);
}

void TestZoneClock::machineBias_data()
{
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<double>("bias");
    QTest::newRow("utc") << QByteArray("UTC") << utc("2026-07-15T12:00") << 0.0;
    QTest::newRow("daylight not included")
        << QByteArray("America/New_York") << utc("2026-07-15T12:00") << 300.0;
    QTest::newRow("east of utc") << QByteArray("Europe/Berlin") << utc("2026-01-15T12:00") << -60.0;
    QTest::newRow("half hour") << QByteArray("Asia/Kolkata") << utc("2026-01-15T12:00") << -330.0;
    QTest::newRow("unknown zone") << QByteArray("No/Such_Zone") << utc("2026-01-15T12:00") << 0.0;
}

void TestZoneClock::machineBias()
{
    QFETCH(QByteArray, machine);
    QFETCH(QDateTime, now);
    QFETCH(double, bias);
    QCOMPARE(MachineBias({now, testing::machineZone(machine)}), bias);
}

// The machine's own setting, not a copy taken earlier: a change shows at the next estimate.
void TestZoneClock::machineZoneReadAtEachUse()
{
    if (QSysInfo::kernelType() != u"linux")
        QSKIP("the machine's zone is set through TZ only on Linux");
    const QByteArray saved = qgetenv("TZ");
    const ClockReading clock = ReadSystemClock();
    qputenv("TZ", "America/New_York");
    QCOMPARE(MachineBias(clock), 300.0);
    qputenv("TZ", "Asia/Kolkata");
    QCOMPARE(MachineBias(clock), -330.0);
    QCOMPARE(ZoneTimeText("EASTERN", "", {utc("2026-01-15T20:07"), MachineZone()}, noRules()),
             QString("3:07 PM."));
    saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
}

void TestZoneClock::newestRulesWin_data()
{
    QTest::addColumn<QByteArrayList>("machineVersions");
    QTest::addColumn<int>("source");
    const QByteArray ours = ZoneRules::carriedVersion().toByteArray();
    const QByteArray newer = ours.first(4) + "z";
    const auto row = [](const char *name, QByteArrayList versions, ZoneRules::Source source) {
        QTest::newRow(name) << versions << int(source);
    };
    row("older", {"2025b"}, ZoneRules::Carried);
    row("same", {ours}, ZoneRules::Carried);
    row("newer letter", {newer}, ZoneRules::Machine);
    row("after z", {ours.first(4) + "za"}, ZoneRules::Machine);
    row("newer year", {"2099a"}, ZoneRules::Machine);
    row("older year, more letters", {"2019zz"}, ZoneRules::Carried);
    row("unknown", {""}, ZoneRules::Carried);
    row("unreadable", {"unknown"}, ZoneRules::Carried);
    row("upper case", {"2099A"}, ZoneRules::Carried);
    row("no IANA folder, as on Windows", {}, ZoneRules::Carried);
    // Qt may read either of the system's and TZDIR's: both must be newer.
    row("TZDIR newer, system older", {"2025b", "2099a"}, ZoneRules::Carried);
    row("TZDIR older, system newer", {"2099a", "2025b"}, ZoneRules::Carried);
    row("TZDIR without a version", {"2099a", ""}, ZoneRules::Carried);
    row("both newer", {newer, "2099a"}, ZoneRules::Machine);
}

void TestZoneClock::newestRulesWin()
{
    QFETCH(QByteArrayList, machineVersions);
    QFETCH(int, source);
    QCOMPARE(int(NewestRules(machineVersions)), source);
}

void TestZoneClock::machineDatabaseVersions_data()
{
    QTest::addColumn<QByteArray>("zi");
    QTest::addColumn<QByteArray>("version");
    QTest::newRow("a release") << QByteArray("# version 2026f\n# ddd\nR x\n")
                               << QByteArray("2026f");
    QTest::newRow("odd version, as read")
        << QByteArray("# version  2026-rc1 \n") << QByteArray("2026-rc1");
    QTest::newRow("no version line")
        << QByteArray("# tzdb data\nZ America/X -5 - EST\n") << QByteArray();
    QTest::newRow("version too late to count")
        << QByteArray("#\n#\n#\n#\n#\n# version 2099a\n") << QByteArray();
    QTest::newRow("no file") << QByteArray() << QByteArray();
}

// What each folder Qt may read says of its age, the TZDIR one included.
void TestZoneClock::machineDatabaseVersions()
{
    QFETCH(QByteArray, zi);
    QFETCH(QByteArray, version);
    QTemporaryDir tzdir;
    if (!zi.isNull()) {
        QFile file(tzdir.filePath("tzdata.zi"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(zi) == zi.size());
    }
    QCOMPARE(DatabaseVersion(tzdir.path()), version);
    const QByteArray system = DatabaseVersion("/usr/share/zoneinfo");
    QCOMPARE(MachineDatabaseVersions("linux", tzdir.path()), (QByteArrayList{system, version}));
    QCOMPARE(MachineDatabaseVersions("linux", ""), QByteArrayList{system});
    QCOMPARE(MachineDatabaseVersions("winnt", tzdir.path()), QByteArrayList{});
}

// Under the machine's rules an id its database lacks is answered from the carried set, and one
// neither knows is not answered at all.
void TestZoneClock::machineLacksAnId()
{
    const ZoneRules rules(ZoneRules::Machine, [](const QByteArray &id) {
        return id == "America/Vancouver" ? QTimeZone() : QTimeZone(id);
    });
    QVERIFY(rules.forId("America/Vancouver").isValid());
    QVERIFY(rules.forId("America/Vancouver").isCarried());
    QCOMPARE(ZoneTimeText(rules.forId("America/Vancouver"), utc("2026-12-15T20:07")),
             QString("1:07 PM."));
    QVERIFY(!rules.forId("America/Edmonton").isCarried());
    QVERIFY(!rules.forId("America/Nowhere_Atoll").isValid());
}

QTEST_APPLESS_MAIN(TestZoneClock)
#include "tst_zoneclock.moc"
