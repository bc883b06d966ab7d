#include "directory/directory.h"

#include <QTest>

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
            QVERIFY2(StateByCode(code).isEmpty() && LocationByCode(code).isEmpty(),
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
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("location");
    QTest::newRow("212") << 212 << "EASTERN"
                         << "New York"
                         << "New York";
    QTest::newRow("310 empty location") << 310 << "PACIFIC"
                                        << "California"
                                        << "";
    QTest::newRow("425 empty location") << 425 << "PACIFIC"
                                        << "Washington"
                                        << "";
    QTest::newRow("867 dashes") << 867 << "PACIFIC"
                                << "--"
                                << "Yukon and Northwest Territories";
    QTest::newRow("787 PR") << 787 << "EASTERN"
                            << "PR"
                            << "Puerto Rico  ";
    QTest::newRow("710 US") << 710 << "EASTERN"
                            << "US"
                            << "US Government    ";
    QTest::newRow("204 trailing") << 204 << "CENTRAL"
                                  << "Canada"
                                  << "Manitoba    ";
    QTest::newRow("219 inner spaces") << 219 << "CENTRAL"
                                      << "Indiana"
                                      << "Fort  Wayne, Gary & South Bend";
    QTest::newRow("717 leading") << 717 << "EASTERN"
                                 << "Pennsylvania"
                                 << " Gettysburg &Harrisburg ";
    QTest::newRow("808") << 808 << "HAWAII"
                         << "Hawaii"
                         << "Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, Kaunakakai, Lahaina "
                            "& Wailuku";
    QTest::newRow("907") << 907 << "ALASKA"
                         << "Alaska"
                         << "Anchorage, Barrow, Fairbanks, Juneau, Kodiak & Nome";
    QTest::newRow("802 longest") << 802 << "EASTERN"
                                 << "Vermont"
                                 << "Bennington, Brattleboro, Burlington, Montpelier, Newport, "
                                    "Rutland, Saint Johnsbury & White River Junction ";
    QTest::newRow("201 first") << 201 << "EASTERN"
                               << "New Jersey"
                               << "Jersey City and surrounding area";
    QTest::newRow("989 last") << 989 << "EASTERN"
                              << "Michigan"
                              << "Alpena, Mount Pleasant & Saginaw  ";
    QTest::newRow("211 unlisted") << 211 << ""
                                  << ""
                                  << "";
}

void TestDirectory::rows()
{
    QFETCH(int, code);
    QFETCH(QString, zone);
    QFETCH(QString, state);
    QFETCH(QString, location);
    QCOMPARE(ZoneByCode(code), zone);
    QCOMPARE(StateByCode(code), state);
    QCOMPARE(LocationByCode(code), location);
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
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, StateByCode(code));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, LocationByCode(code));
}

QTEST_APPLESS_MAIN(TestDirectory)
#include "tst_directory.moc"
