#include "directory/directory.h"

#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <map>
#include <stdexcept>

using namespace dialhour;

class TestDirectory : public QObject {
    Q_OBJECT

private slots:
    void shape();
    void zoneCounts_data();
    void zoneCounts();
    void rows_data();
    void rows();
    void everyClockZoneIsKnown();
    void unlistedRanges();
    void outOfRangeThrows_data();
    void outOfRangeThrows();
};

void TestDirectory::shape()
{
    int listed = 0, canada = 0, dashes = 0, trailing = 0, leading = 0;
    qsizetype longest = 0;
    for (int code = FirstCode; code <= LastCode; ++code) {
        if (ZoneByCode(code).isEmpty()) {
            QVERIFY2(ClockZoneByCode(code).isEmpty() && StateByCode(code).isEmpty() &&
                         LocationByCode(code).isEmpty(),
                     qPrintable(QString::number(code)));
            continue;
        }
        ++listed;
        QVERIFY(!StateByCode(code).isEmpty());
        const QLatin1StringView state = StateByCode(code);
        const QLatin1StringView location = LocationByCode(code);
        canada += state == QLatin1StringView("Canada");
        dashes += state == QLatin1StringView("--");
        trailing += location.endsWith(u' ');
        leading += location.startsWith(u' ');
        longest = std::max(longest, location.size());
    }
    QCOMPARE(listed, 296);
    QCOMPARE(canada, 20);
    QCOMPARE(dashes, 21);
    QCOMPARE(trailing, 149);
    QCOMPARE(leading, 3);
    QCOMPARE(longest, 106);
    for (int code : {717, 763, 913})
        QVERIFY(LocationByCode(code).startsWith(u' '));
}

void TestDirectory::zoneCounts_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("count");
    QTest::newRow("eastern") << "EASTERN" << 141;
    QTest::newRow("central") << "CENTRAL" << 83;
    QTest::newRow("pacific") << "PACIFIC" << 49;
    QTest::newRow("mountain") << "MOUNTAIN" << 18;
    QTest::newRow("atlantic") << "ATLANTIC" << 3;
    QTest::newRow("alaska") << "ALASKA" << 1;
    QTest::newRow("hawaii") << "HAWAII" << 1;
}

void TestDirectory::zoneCounts()
{
    QFETCH(QString, zone);
    QFETCH(int, count);
    int found = 0;
    for (int code = FirstCode; code <= LastCode; ++code)
        found += ZoneByCode(code) == zone;
    QCOMPARE(found, count);
}

void TestDirectory::rows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("clockZone");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("location");
    struct Case {
        const char *name;
        int code;
        const char *zone, *clockZone, *state, *location;
    };
    const Case cases[] = {
        {"212", 212, "EASTERN", "America/New_York", "New York", "New York"},
        {"310 empty location", 310, "PACIFIC", "America/Los_Angeles", "California", ""},
        {"425 empty location", 425, "PACIFIC", "America/Los_Angeles", "Washington", ""},
        {"867 dashes", 867, "PACIFIC", "America/Whitehorse", "--",
         "Yukon and Northwest Territories"},
        {"787 PR", 787, "EASTERN", "America/Puerto_Rico", "PR", "Puerto Rico  "},
        {"710 US", 710, "EASTERN", "America/New_York", "US", "US Government    "},
        {"204 trailing", 204, "CENTRAL", "America/Winnipeg", "Canada", "Manitoba    "},
        {"219 inner spaces", 219, "CENTRAL", "America/Chicago", "Indiana",
         "Fort  Wayne, Gary & South Bend"},
        {"717 leading", 717, "EASTERN", "America/New_York", "Pennsylvania",
         " Gettysburg &Harrisburg "},
        {"802 longest", 802, "EASTERN", "America/New_York", "Vermont",
         "Bennington, Brattleboro, Burlington, Montpelier, Newport, Rutland, Saint Johnsbury & "
         "White River Junction "},
        {"201 first", 201, "EASTERN", "America/New_York", "New Jersey",
         "Jersey City and surrounding area"},
        {"989 last", 989, "EASTERN", "America/Detroit", "Michigan",
         "Alpena, Mount Pleasant & Saginaw  "},
        // Mended: the zone name stays as first listed, the clock, label or places do not.
        {"423 zone name kept", 423, "CENTRAL", "America/New_York", "Tennessee",
         "Chattanooga & Sweetwater"},
        {"314 was Montana", 314, "CENTRAL", "America/Chicago", "Missouri", "Saint Louis"},
        {"501 was Arizona", 501, "CENTRAL", "America/Chicago", "Arkansas",
         "Fort Smith, Hot Springs & Little Rock"},
        {"228 was Missouri", 228, "CENTRAL", "America/Chicago", "Mississippi",
         "Gulfport & Pascagoula"},
        {"302 was Deleware", 302, "EASTERN", "America/New_York", "Delaware",
         "Dover, Georgetown, Middleford, Milford, Nassau, Seaford & Wilmington"},
        {"605 was Sourth Dakota", 605, "CENTRAL", "America/Chicago", "South Dakota",
         "Aberdeen, Hot Springs, Mobridge, Pierre, Rapid City, Reva, Sioux Falls, Vermillion, "
         "Watertown & Winner "},
        {"706 was Florida", 706, "EASTERN", "America/New_York", "Georgia",
         "Athens, Augusta, Columbus & Rome"},
        {"316 was Witchita", 316, "CENTRAL", "America/Chicago", "Kansas", "Wichita"},
        {"870 label and places", 870, "CENTRAL", "America/Chicago", "Arkansas",
         "Jonesboro, Monticello, Mountain Home, Pine Bluff & Texarkana"},
        {"211 unlisted", 211, "", "", "", ""},
    };
    for (const Case &c : cases)
        QTest::newRow(c.name) << c.code << c.zone << QByteArray(c.clockZone) << c.state
                              << c.location;
}

void TestDirectory::rows()
{
    QFETCH(int, code);
    QFETCH(QString, zone);
    QFETCH(QByteArray, clockZone);
    QFETCH(QString, state);
    QFETCH(QString, location);
    QCOMPARE(ZoneByCode(code), zone);
    QCOMPARE(ClockZoneByCode(code), clockZone);
    QCOMPARE(StateByCode(code), state);
    QCOMPARE(LocationByCode(code), location);
}

void TestDirectory::everyClockZoneIsKnown()
{
    QSet<QByteArray> ids;
    for (int code = FirstCode; code <= LastCode; ++code) {
        if (ZoneByCode(code).isEmpty())
            continue;
        const QByteArray id = ClockZoneByCode(code).toByteArray();
        QVERIFY2(QTimeZone::isTimeZoneIdAvailable(id) && QTimeZone(id).isValid(),
                 qPrintable(QString::number(code) + u' ' + QString::fromLatin1(id)));
        ids.insert(id);
    }
    qInfo("%lld distinct clock zones", qlonglong(ids.size()));
}

void TestDirectory::unlistedRanges()
{
    for (int code = 0; code <= 200; ++code)
        QVERIFY2(ZoneByCode(code).isEmpty(), qPrintable(QString::number(code)));
    for (int code = 990; code <= 999; ++code)
        QVERIFY2(ZoneByCode(code).isEmpty(), qPrintable(QString::number(code)));
}

void TestDirectory::outOfRangeThrows_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("-1") << -1;
    QTest::newRow("1000") << 1000;
    QTest::newRow("min int") << std::numeric_limits<int>::min();
    QTest::newRow("max int") << std::numeric_limits<int>::max();
}

void TestDirectory::outOfRangeThrows()
{
    QFETCH(int, code);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ZoneByCode(code));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ClockZoneByCode(code));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, StateByCode(code));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, LocationByCode(code));
}

QTEST_APPLESS_MAIN(TestDirectory)
#include "tst_directory.moc"
