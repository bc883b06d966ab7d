#include "directory/directory.h"
#include "support.h"
#include "zoneclock/zoneclock.h"

#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <array>
#include <map>
#include <stdexcept>

using namespace dialhour;

class TestDirectory : public QObject {
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void zoneCounts_data();
    void zoneCounts();
    void rows_data();
    void rows();
    void everyClockZoneKeepsItsRules_data();
    void everyClockZoneKeepsItsRules();
    void unlisted_data();
    void unlisted();
    void outOfRangeThrows_data();
    void outOfRangeThrows();
};

namespace {

// Every listed code, or only those of the original list.
QList<int> listedCodes(bool classicOnly)
{
    QList<int> codes;
    for (int code = FirstCode; code <= LastCode; ++code) {
        const std::optional<Origin> origin = OriginByCode(code);
        if (origin && (!classicOnly || *origin == Origin::Classic))
            codes.append(code);
    }
    return codes;
}

} // namespace

void TestDirectory::shape_data()
{
    QTest::addColumn<bool>("classicOnly");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("canada");
    QTest::addColumn<int>("dashes");
    QTest::addColumn<int>("trailingSpaces");
    // The original list's figures, less the places its codes no longer serve (867 is Canadian
    // since Nunavut's places joined it); the codes opened since are held to NANPA's report.
    QTest::newRow("original list") << true << 296 << 21 << 20 << 141;
}

void TestDirectory::shape()
{
    QFETCH(bool, classicOnly);
    QFETCH(int, listed);
    QFETCH(int, canada);
    QFETCH(int, dashes);
    QFETCH(int, trailingSpaces);
    int canadas = 0, dashed = 0, trailing = 0, leading = 0;
    qsizetype longest = 0;
    const QList<int> codes = listedCodes(classicOnly);
    for (int code : codes) {
        QVERIFY2(!ZoneByCode(code).isEmpty() && !StateByCode(code).isEmpty(),
                 qPrintable(QString::number(code)));
        const QLatin1StringView state = StateByCode(code);
        const QString location = LocationByCode(code);
        canadas += state == QLatin1StringView("Canada");
        dashed += state == QLatin1StringView("--");
        trailing += location.endsWith(u' ');
        leading += location.startsWith(u' ');
        longest = std::max(longest, location.size());
    }
    QCOMPARE(codes.size(), listed);
    QCOMPARE(canadas, canada);
    QCOMPARE(dashed, dashes);
    QCOMPARE(trailing, trailingSpaces);
    QCOMPARE(leading, 3);
    QCOMPARE(longest, 106);
    for (int code = FirstCode; code <= LastCode; ++code) {
        QVERIFY2(OriginByCode(code).has_value() != ZoneByCode(code).isEmpty(),
                 qPrintable(QString::number(code)));
        if (!OriginByCode(code))
            QVERIFY2(ClockZoneByCode(code).isEmpty() && StateByCode(code).isEmpty() &&
                         LocationByCode(code).isEmpty(),
                     qPrintable(QString::number(code)));
    }
}

void TestDirectory::zoneCounts_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("classic");
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
    QFETCH(int, classic);
    const QList<int> codes = listedCodes(true);
    QCOMPARE(std::count_if(codes.begin(), codes.end(),
                           [&zone](int code) { return ZoneByCode(code) == zone; }),
             classic);
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
        {"867 Nunavut kept it", 867, "PACIFIC", "America/Whitehorse", "Canada",
         "Yukon, Northwest Territories & Nunavut"},
        {"787 PR", 787, "EASTERN", "America/Puerto_Rico", "PR", "Puerto Rico  "},
        {"710 US", 710, "EASTERN", "America/New_York", "US", "US Government    "},
        {"204 trailing", 204, "CENTRAL", "America/Winnipeg", "Canada", "Manitoba    "},
        // Places that left for codes on another clock than the one shown.
        {"219 without Fort Wayne", 219, "CENTRAL", "America/Chicago", "Indiana",
         "Gary, Hammond, Michigan City & Valparaiso"},
        {"915 without Abilene", 915, "CENTRAL", "America/Denver", "Texas", "El Paso"},
        {"907 not Latin-1", 907, "ALASKA", "America/Anchorage", "Alaska",
         "Anchorage, Fairbanks, Juneau, Kodiak, Nome & Utqia\u0121vik"},
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
         "Conway, Hot Springs & Little Rock"},
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
        // Opened since the original list.
        {"929 overlay", 929, "EASTERN", "America/New_York", "New York",
         "Bronx, Brooklyn, Queens & Staten Island"},
        {"368 Canadian", 368, "MOUNTAIN", "America/Edmonton", "Canada", "Alberta"},
        {"829 Caribbean", 829, "ATLANTIC", "America/Santo_Domingo", "--", "Dominican Republic"},
        {"684 American Samoa", 684, "HAWAII", "Pacific/Pago_Pago", "--", "American Samoa"},
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

constexpr int NoReference = 1;
using Offsets = std::array<int, 3>;

void TestDirectory::everyClockZoneKeepsItsRules_data()
{
    // Minutes east of UTC at 20:07 UTC on 15 January, 15 July and 15 December 2026, from the IANA
    // database (tzdata 2026f), either side of the 2026 changes in western Canada: the reference
    // the carried rules are held to, in both builds.
    static const QHash<QByteArray, Offsets> reference{
        {"America/Adak", {-600, -540, -600}},
        {"America/Anchorage", {-540, -480, -540}},
        {"America/Anguilla", {-240, -240, -240}},
        {"America/Antigua", {-240, -240, -240}},
        {"America/Atikokan", {-300, -300, -300}},
        {"America/Barbados", {-240, -240, -240}},
        {"America/Blanc-Sablon", {-240, -240, -240}},
        {"America/Boise", {-420, -360, -420}},
        {"America/Cayman", {-300, -300, -300}},
        {"America/Chicago", {-360, -300, -360}},
        {"America/Dawson_Creek", {-420, -420, -420}},
        {"America/Denver", {-420, -360, -420}},
        {"America/Detroit", {-300, -240, -300}},
        {"America/Dominica", {-240, -240, -240}},
        {"America/Edmonton", {-420, -360, -360}},
        {"America/Goose_Bay", {-240, -180, -240}},
        {"America/Grand_Turk", {-300, -240, -300}},
        {"America/Grenada", {-240, -240, -240}},
        {"America/Halifax", {-240, -180, -240}},
        {"America/Indiana/Indianapolis", {-300, -240, -300}},
        {"America/Indiana/Knox", {-360, -300, -360}},
        {"America/Iqaluit", {-300, -240, -300}},
        {"America/Jamaica", {-300, -300, -300}},
        {"America/Los_Angeles", {-480, -420, -480}},
        {"America/Lower_Princes", {-240, -240, -240}},
        {"America/Menominee", {-360, -300, -360}},
        {"America/Moncton", {-240, -180, -240}},
        {"America/Montserrat", {-240, -240, -240}},
        {"America/Nassau", {-300, -240, -300}},
        {"America/New_York", {-300, -240, -300}},
        {"America/Phoenix", {-420, -420, -420}},
        {"America/Port_of_Spain", {-240, -240, -240}},
        {"America/Puerto_Rico", {-240, -240, -240}},
        {"America/Rankin_Inlet", {-360, -300, -360}},
        {"America/Regina", {-360, -360, -360}},
        {"America/Santo_Domingo", {-240, -240, -240}},
        {"America/St_Johns", {-210, -150, -210}},
        {"America/St_Kitts", {-240, -240, -240}},
        {"America/St_Lucia", {-240, -240, -240}},
        {"America/St_Thomas", {-240, -240, -240}},
        {"America/St_Vincent", {-240, -240, -240}},
        {"America/Toronto", {-300, -240, -300}},
        {"America/Tortola", {-240, -240, -240}},
        {"America/Vancouver", {-480, -420, -420}},
        {"America/Whitehorse", {-420, -420, -420}},
        {"America/Winnipeg", {-360, -300, -300}},
        {"Atlantic/Bermuda", {-240, -180, -240}},
        {"Pacific/Guam", {600, 600, 600}},
        {"Pacific/Honolulu", {-600, -600, -600}},
        {"Pacific/Pago_Pago", {-660, -660, -660}},
        {"Pacific/Saipan", {600, 600, 600}},
    };
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<int>("code");
    QTest::addColumn<Offsets>("offsets");
    QSet<QByteArray> seen;
    const auto add = [&](QByteArray id, int code) {
        if (!seen.contains(id)) {
            seen.insert(id);
            const auto offsets = reference.value(id, {NoReference, NoReference, NoReference});
            QTest::newRow(id.constData()) << id << code << offsets;
        }
    };
    for (int code : listedCodes(false)) {
        add(ClockZoneByCode(code).toByteArray(), code);
        for (const OtherClock &other : OtherClocksByCode(code))
            add(QByteArray(other.clockZone.data(), qsizetype(other.clockZone.size())), code);
    }
}

// Every clock a code keeps must be among the carried rules and agree with the reference.
void TestDirectory::everyClockZoneKeepsItsRules()
{
    QFETCH(QByteArray, id);
    QFETCH(int, code);
    QFETCH(Offsets, offsets);
    QVERIFY2(offsets[0] != NoReference, "no reference offsets for this clock zone");
    QVERIFY2(ZoneRules::carries(id), "not among the carried rules");
    const ZoneRules carried(ZoneRules::Carried);
    for (int i = 0; i < 3; ++i) {
        const ClockReading clock = testing::clockAt(std::array{1, 7, 12}[i]);
        const QTime wallClock = clock.now.time().addSecs(offsets[i] * 60);
        QCOMPARE(ZoneTimeText(ZoneByCode(code), id, clock, carried),
                 FormatZoneTime(wallClock.hour(), wallClock.minute()));
    }
}

void TestDirectory::unlisted_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("service");
    const auto range = [](int first, int last) {
        QList<int> codes;
        for (int code = first; code <= last; ++code)
            codes.append(code);
        return codes;
    };
    // No place and so no clock: either no code at all, or a kind of service.
    QTest::newRow("0..200") << range(0, 200) << "";
    QTest::newRow("990..999") << range(990, 999) << "";
    QTest::newRow("N11 services") << QList<int>{211, 311, 411, 511, 611, 711, 811, 911} << "";
    QTest::newRow("555") << QList<int>{555} << "";
    QTest::newRow("not in service") << QList<int>{456, 880, 950, 976} << "";
    QTest::newRow("personal") << range(521, 529) + QList<int>{500, 532, 533, 538, 544, 566, 577, 588}
                              << "Non-geographic services";
    QTest::newRow("Canada") << QList<int>{600, 622, 633} << "Canadian non-geographic services";
    QTest::newRow("carriers") << QList<int>{700} << "Long-distance carriers";
    QTest::newRow("toll-free") << QList<int>{800, 833, 844, 855, 866, 877, 888} << "Toll-free";
    QTest::newRow("premium") << QList<int>{900} << "Premium-rate (calls cost extra)";
}

void TestDirectory::unlisted()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, service);
    for (int code : codes) {
        QVERIFY2(ZoneByCode(code).isEmpty(), qPrintable(QString::number(code)));
        QCOMPARE(ServiceByCode(code), service);
    }
    // A code with a place of its own is not a service, though NANPA calls 710 non-geographic.
    QCOMPARE(ServiceByCode(710), QString());
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
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ServiceByCode(code));
}

QTEST_APPLESS_MAIN(TestDirectory)
#include "tst_directory.moc"
