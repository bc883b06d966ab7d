#include "directory/directory.h"
#include "keypad/keypad.h"
#include "support.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTranslator>

#include <stdexcept>

using namespace dialhour;
using namespace Qt::StringLiterals;

namespace {

// The labels, the apology and the line break as the user sees them, written out once here.
QString code(const QString &digits)
{
    return "Area Code:      " + digits;
}

QString answer(const QString &digits, const QString &time, const QString &state,
               const QString &location)
{
    return QStringList{code(digits), "Time:              " + time, "State:             " + state,
                       "Location:         " + location}
        .join("\r\n");
}

QString apology(const QString &digits)
{
    return code(digits) + "\r\n\r\nSorry, no such area code";
}

// The machine's database, but with Iqaluit on UTC-5 and Goose Bay on UTC-4 all year.
QTimeZone standInDatabase(const QByteArray &id)
{
    if (id == "America/Iqaluit")
        return QTimeZone(-5 * 3600);
    if (id == "America/Goose_Bay")
        return QTimeZone(-4 * 3600);
    return QTimeZone(id);
}
constexpr int StandIn = -1;

// Presses are digits, 'C' for Clear, 'B' for Backspace, 'N' for text with no number and 'W' for
// a whole number, a Tallahassee one.
void press(KeypadEntry &keypad, QChar key)
{
    if (key == u'N')
        keypad.NumberGiven(u"see you at noon");
    else if (key == u'W')
        keypad.NumberGiven(u"850-224-0100");
    else if (key == u'C')
        keypad.ClearPressed();
    else if (key == u'B')
        keypad.BackspacePressed();
    else
        keypad.DigitPressed(key.digitValue());
}

} // namespace

class TestKeypad : public QObject {
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void badDigitChangesNothing_data();
    void badDigitChangesNothing();
    void clockReadOncePerListedAnswer();
    void otherClocks_data();
    void otherClocks();
    void followsTheClock_data();
    void followsTheClock();
    void overlaysAnswerAsTheirParent_data();
    void overlaysAnswerAsTheirParent();
    void randomPresses();
    void wholeNumbers_data();
    void wholeNumbers();
    void languages_data();
    void languages();
    void numberInText_data();
    void numberInText();
    void numberAfterOtherText();
    void anyTextIsSafe();
};

void TestKeypad::sequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("texts");

    const QString nyc = answer("212", "3:07 PM.", "New York", "New York");
    QTest::newRow("walkthrough") << "2127" << QStringList{code("2"), code("21"), nyc, code("7")};
    QTest::newRow("unlisted") << "555" << QStringList{code("5"), code("55"), apology("555")};
    QTest::newRow("leading zeros")
        << "00212" << QStringList{code("0"), code("0"), code("2"), code("21"), nyc};
    QTest::newRow("zeros never complete") << "00000" << QStringList(5, code("0"));
    QTest::newRow("clear mid-code") << "21C3" << QStringList{code("2"), code("21"), "", code("3")};
    QTest::newRow("clear at start") << "C4" << QStringList{"", code("4")};
    QTest::newRow("clear after answer")
        << "555C2" << QStringList{code("5"), code("55"), apology("555"), "", code("2")};
    QTest::newRow("empty location")
        << "310"
        << QStringList{code("3"), code("31"), answer("310", "12:07 PM.", "California", "")};
    QTest::newRow("spaces kept") << "204"
                                 << QStringList{
                                        code("2"), code("20"),
                                        answer("204", "2:07 PM.", "Canada", "Manitoba    ")};
    QTest::newRow("opened since the original list")
        << "929"
        << QStringList{
               code("9"), code("92"),
               answer("929", "3:07 PM.", "New York", "Bronx, Brooklyn, Queens & Staten Island")};
    QTest::newRow("first unlisted above 99")
        << "100" << QStringList{code("1"), code("10"), apology("100")};
    QTest::newRow("highest code") << "999" << QStringList{code("9"), code("99"), apology("999")};
    const QString tollFree = code("800") +
                             "\r\nTime:              none: not tied to one place"
                             "\r\nService:          Toll-free";
    QTest::newRow("no one place") << "8008"
                                  << QStringList{code("8"), code("80"), tollFree, code("8")};
    QTest::newRow("backspace while keying")
        << "21B3" << QStringList{code("2"), code("21"), code("2"), code("23")};
    QTest::newRow("backspace mends an answer's last digit")
        << "213B2" << QStringList{code("2"), code("21"), answer("213", "12:07 PM.", "California",
                                                              "Los Angeles"),
                                  code("21"), nyc};
    QTest::newRow("backspace the only digit") << "2B1" << QStringList{code("2"), "", code("1")};
    QTest::newRow("backspace with nothing shown") << "BCB" << QStringList{"", "", ""};
    QTest::newRow("backspace after clear")
        << "212CB" << QStringList{code("2"), code("21"), nyc, "", ""};
    QTest::newRow("backspace after no number")
        << "21NB" << QStringList{code("2"), code("21"), "No North American telephone number there",
                                 "No North American telephone number there"};
    QTest::newRow("backspace after a whole number")
        << "WB" << QStringList{answer("850", "3:07 PM.", "Florida", "Tallahassee, FL"), code("85")};
    QTest::newRow("a code keyed after a whole number")
        << "W850"
        << QStringList{answer("850", "3:07 PM.", "Florida", "Tallahassee, FL"), code("8"),
                       code("85"),
                       answer("850", "2:07 PM.", "Florida", "Panama City, Pensacola & Tallahassee")
                           .replace("\r\nState", "\r\nAlso:               3:07 PM. (Tallahassee & "
                                                 "Quincy)\r\nState")};
    QTest::newRow("mended places")
        << "915" << QStringList{code("9"), code("91"), answer("915", "1:07 PM.", "Texas", "El Paso")};
    QTest::newRow("hawaii") << "808"
                            << QStringList{code("8"), code("80"),
                                           answer("808", "10:07 AM.", "Hawaii",
                                                  "Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, "
                                                  "Kaunakakai, Lahaina & Wailuku")};
}

void TestKeypad::sequences()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, texts);
    KeypadEntry keypad(testing::januaryClock);
    QCOMPARE(keypad.resultText(), QString());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        press(keypad, keys[i]);
        QCOMPARE(keypad.resultText(), texts[i]);
    }
}

void TestKeypad::badDigitChangesNothing_data()
{
    QTest::addColumn<int>("digit");
    QTest::newRow("-1") << -1;
    QTest::newRow("10") << 10;
    QTest::newRow("large") << 1000000;
}

void TestKeypad::badDigitChangesNothing()
{
    QFETCH(int, digit);
    KeypadEntry keypad(testing::januaryClock);
    keypad.DigitPressed(2);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, keypad.DigitPressed(digit));
    QCOMPARE(keypad.areaCode(), qint16(2));
    QCOMPARE(keypad.resultText(), code("2"));
    keypad.DigitPressed(1);
    keypad.DigitPressed(2);
    QCOMPARE(keypad.areaCode(), qint16(212));
}

void TestKeypad::clockReadOncePerListedAnswer()
{
    int reads = 0;
    KeypadEntry keypad([&reads] {
        ++reads;
        return testing::januaryClock();
    });
    for (int digit : {2, 1})
        keypad.DigitPressed(digit);
    QCOMPARE(reads, 0);
    keypad.DigitPressed(2);
    QCOMPARE(reads, 1);
    for (int digit : {5, 5, 5})
        keypad.DigitPressed(digit);
    QCOMPARE(reads, 1);
}

void TestKeypad::otherClocks_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("rules");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("also");
    const auto utc = [](const char *iso) {
        return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate).toUTC();
    };
    const int carried = ZoneRules::Carried;
    QTest::newRow("differs") << "850" << utc("2026-07-15T22:45Z") << carried << "5:45 PM."
                             << QStringList{"6:45 PM. DO NOT CALL. (Tallahassee & Quincy)"};
    QTest::newRow("three other clocks")
        << "867" << utc("2026-07-15T12:20Z") << carried << "5:20 AM. DO NOT CALL."
        << QStringList{"6:20 AM. DO NOT CALL. (Yellowknife & Hay River)",
                       "7:20 AM. DO NOT CALL. (Rankin Inlet)", "8:20 AM. (Iqaluit)"};
    // Rankin Inlet still changes its clocks; Yellowknife, with Alberta, no longer does.
    QTest::newRow("three other clocks, winter")
        << "867" << utc("2026-12-15T16:20Z") << carried << "9:20 AM."
        << QStringList{"10:20 AM. (Yellowknife & Rankin Inlet)", "11:20 AM. (Iqaluit)"};
    QTest::newRow("Navajo Nation, summer")
        << "928" << utc("2026-07-15T22:45Z") << carried << "3:45 PM."
        << QStringList{"4:45 PM. (Window Rock & Tuba City)"};
    QTest::newRow("same reading, no line")
        << "928" << utc("2026-12-15T22:45Z") << carried << "3:45 PM." << QStringList{};
    QTest::newRow("one agrees, one differs")
        << "250" << utc("2026-12-15T20:07Z") << carried << "1:07 PM."
        << QStringList{"2:07 PM. (Cranbrook & Invermere)"};
    // Two other clocks that read alike share a line, naming each one's best known place.
    QTest::newRow("one place, not Latin")
        << "418" << utc("2026-07-15T20:07Z") << carried << "4:07 PM."
        << QStringList{QString::fromUtf8("5:07 PM. (\u00CEles-de-la-Madeleine)")};
    QTest::newRow("two alike, one line")
        << "418" << utc("2026-12-15T20:07Z") << carried << "3:07 PM."
        << QStringList{QString::fromUtf8("4:07 PM. (\u00CEles-de-la-Madeleine & Blanc-Sablon)")};
    QTest::newRow("an area's codes share its clocks")
        << "581" << utc("2026-12-15T20:07Z") << carried << "3:07 PM."
        << QStringList{QString::fromUtf8("4:07 PM. (\u00CEles-de-la-Madeleine & Blanc-Sablon)")};
    // A place's own zone answers for it, as the day its rules part from its neighbour's: here
    // Iqaluit and Goose Bay keep standard time all year, and Toronto and Halifax do not.
    QTest::newRow("Iqaluit's own rules")
        << "867" << utc("2026-07-15T12:20Z") << StandIn << "5:20 AM. DO NOT CALL."
        << QStringList{"6:20 AM. DO NOT CALL. (Yellowknife & Hay River)",
                       "7:20 AM. DO NOT CALL. (Rankin Inlet & Iqaluit)"};
    QTest::newRow("Toronto's own")
        << "416" << utc("2026-07-15T12:20Z") << StandIn << "8:20 AM." << QStringList{};
    QTest::newRow("Goose Bay's own rules")
        << "709" << utc("2026-07-15T12:20Z") << StandIn << "9:50 AM."
        << QStringList{"8:20 AM. (Happy Valley-Goose Bay & Labrador City)"};
    QTest::newRow("Halifax's own")
        << "902" << utc("2026-07-15T12:20Z") << StandIn << "9:20 AM." << QStringList{};
    // Between Eastern's change and Central's the two clocks read alike in November, and two
    // hours apart in March.
    QTest::newRow("November hour")
        << "850" << utc("2026-11-01T06:30Z") << carried << "1:30 AM. DO NOT CALL." << QStringList{};
    QTest::newRow("March hour") << "850" << utc("2026-03-08T07:30Z") << carried
                                << "1:30 AM. DO NOT CALL."
                                << QStringList{"3:30 AM. DO NOT CALL. (Tallahassee & Quincy)"};
    QTest::newRow("no zone rules") << "850" << utc("2026-07-15T22:45Z")
                                   << int(ZoneRules::NoDatabase) << "5:45 PM." << QStringList{};
}

void TestKeypad::followsTheClock_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<QStringList>("shownBefore");
    QTest::addColumn<QStringList>("shownAfter");
    const auto utc = [](const char *iso) {
        return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate).toUTC();
    };
    const QString time("Time:              "), also("Also:               ");
    QTest::newRow("time turns at 8:00")
        << "212" << utc("2026-01-15T12:59:59Z") << QStringList{time + "7:59 AM. DO NOT CALL."}
        << QStringList{time + "8:00 AM."};
    QTest::newRow("time turns at 18:00")
        << "212" << utc("2026-07-15T21:59:59Z") << QStringList{time + "5:59 PM."}
        << QStringList{time + "6:00 PM. DO NOT CALL."};
    QTest::newRow("also turns at 8:00")
        << "850" << utc("2026-01-15T12:59:59Z")
        << QStringList{time + "6:59 AM. DO NOT CALL.",
                       also + "7:59 AM. DO NOT CALL. (Tallahassee & Quincy)"}
        << QStringList{time + "7:00 AM. DO NOT CALL.", also + "8:00 AM. (Tallahassee & Quincy)"};
    QTest::newRow("also turns at 18:00")
        << "850" << utc("2026-01-15T22:59:59Z")
        << QStringList{time + "4:59 PM.", also + "5:59 PM. (Tallahassee & Quincy)"}
        << QStringList{time + "5:00 PM.", also + "6:00 PM. DO NOT CALL. (Tallahassee & Quincy)"};
    // Eastern falls back an hour before Central, and the two read alike in between.
    QTest::newRow("also goes")
        << "850" << utc("2026-11-01T05:59:59Z")
        << QStringList{time + "0:59 AM. DO NOT CALL.",
                       also + "1:59 AM. DO NOT CALL. (Tallahassee & Quincy)"}
        << QStringList{time + "1:00 AM. DO NOT CALL."};
    QTest::newRow("also comes")
        << "850" << utc("2026-11-01T06:59:59Z") << QStringList{time + "1:59 AM. DO NOT CALL."}
        << QStringList{time + "1:00 AM. DO NOT CALL.",
                       also + "2:00 AM. DO NOT CALL. (Tallahassee & Quincy)"};
    QTest::newRow("a number's own clock turns at 8:00")
        << "850-224-0100" << utc("2026-01-15T12:59:59Z") << QStringList{time + "7:59 AM. DO NOT CALL."}
        << QStringList{time + "8:00 AM."};
    QTest::newRow("a number's own clock turns at 18:00")
        << "850-444-0100" << utc("2026-01-15T23:59:59Z") << QStringList{time + "5:59 PM."}
        << QStringList{time + "6:00 PM. DO NOT CALL."};
    // Answers of three lines, which name no clock.
    QTest::newRow("no such code") << "555" << utc("2026-01-15T22:59:59Z") << QStringList{}
                                  << QStringList{};
    QTest::newRow("no one clock") << "800" << utc("2026-01-15T22:59:59Z") << QStringList{}
                                  << QStringList{};
    QTest::newRow("half keyed") << "21" << utc("2026-01-15T22:59:59Z") << QStringList{}
                                << QStringList{};
    QTest::newRow("cleared") << "212C" << utc("2026-01-15T22:59:59Z") << QStringList{}
                             << QStringList{};
}

// A second later the answer is written again from the clock; only the clocks' lines change.
void TestKeypad::followsTheClock()
{
    QFETCH(QString, keys);
    QFETCH(QDateTime, before);
    QFETCH(QStringList, shownBefore);
    QFETCH(QStringList, shownAfter);
    QDateTime now = before;
    KeypadEntry keypad([&now] { return ClockReading{now, QTimeZone::utc()}; });
    if (keys.contains(u'-'))
        keypad.NumberGiven(keys);
    else
        for (QChar key : keys)
            press(keypad, key);
    // The lines after the code line, but for the last two, where an answer has them.
    const auto clockLines = [&keypad] {
        const QStringList lines = keypad.resultText().split("\r\n");
        return lines.size() < 3 ? QStringList{} : lines.mid(1, lines.size() - 3);
    };
    const QString ends = keypad.resultText().section("\r\n", -2);
    QCOMPARE(clockLines(), shownBefore);
    QCOMPARE(keypad.answeredOnClock(), shownBefore != shownAfter);
    now = before.addSecs(1);
    QCOMPARE(keypad.ClockTicked(), shownBefore != shownAfter);
    QCOMPARE(clockLines(), shownAfter);
    QCOMPARE(keypad.resultText().section("\r\n", -2), ends);
}

// The lines come right after the time line, and the rest of the answer is as before.
void TestKeypad::otherClocks()
{
    QFETCH(QString, keys);
    QFETCH(QDateTime, now);
    QFETCH(int, rules);
    QFETCH(QString, time);
    QFETCH(QStringList, also);
    // Without rules the time follows the machine's own zone, so that case is read on UTC only.
    const QList<QByteArray> machines =
        rules == ZoneRules::NoDatabase
            ? QList<QByteArray>{"UTC"}
            : QList<QByteArray>{"UTC", "America/Chicago", "Asia/Kolkata"};
    for (const QByteArray &machine : machines) {
        KeypadEntry keypad(
            [&] {
                return ClockReading{now, testing::machineZone(machine)};
            },
            rules == StandIn ? ZoneRules(ZoneRules::Machine, standInDatabase)
                             : ZoneRules(ZoneRules::Source(rules)));
        for (QChar key : keys)
            press(keypad, key);
        const QStringList lines = keypad.resultText().split("\r\n");
        QStringList expected{"Time:              " + time};
        for (const QString &line : also)
            expected.append("Also:               " + line);
        QCOMPARE(lines.mid(1, lines.size() - 3), expected);
        QVERIFY(lines.size() > 3 && lines[lines.size() - 2].startsWith("State:") &&
                lines.last().startsWith("Location:"));
    }
}

void TestKeypad::overlaysAnswerAsTheirParent_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("rules");
    const auto utc = [](const char *iso) {
        return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate).toUTC();
    };
    for (const auto &[name, rules] : {std::pair{"carried", ZoneRules::Carried},
                                      {"machine", ZoneRules::Machine},
                                      {"no zone data", ZoneRules::NoDatabase}}) {
        // Winter, summer, and the hour Eastern has changed and Central has not.
        for (const char *iso : {"2026-01-15T20:07Z", "2026-07-15T13:59Z", "2026-03-08T07:30Z"})
            QTest::addRow("%s, %s", name, iso) << utc(iso) << int(rules);
    }
}

// NANPA's overlays since 2023, with their parents: only the first line may differ.
void TestKeypad::overlaysAnswerAsTheirParent()
{
    QFETCH(QDateTime, now);
    QFETCH(int, rules);
    const std::pair<int, int> overlays[] = {{273, 418}, {357, 559}, {436, 440}, {457, 318},
                                            {465, 718}, {471, 662}, {483, 334}, {565, 912},
                                            {621, 346}, {624, 716}, {679, 313}, {729, 423},
                                            {761, 502}, {837, 530}, {861, 309}, {924, 507}};
    for (const QByteArray machine : {"UTC", "America/Chicago", "Asia/Kolkata"}) {
        const auto answer = [&](int areaCode) {
            KeypadEntry keypad(
                [&] {
                    return ClockReading{now, testing::machineZone(machine)};
                },
                ZoneRules::Source(rules));
            for (QChar key : QString::number(areaCode))
                press(keypad, key);
            return keypad.resultText().split(LineBreak);
        };
        for (const auto &[overlay, parent] : overlays) {
            const QByteArray context =
                QByteArray::number(overlay) + " on a " + machine + " machine";
            QStringList mine = answer(overlay), theirs = answer(parent);
            QVERIFY2(mine.size() >= 4 && mine.takeFirst() == code(QString::number(overlay)),
                     context);
            theirs.removeFirst();
            QVERIFY2(mine == theirs, context + ": " + mine.join(u'|').toUtf8() + " against " +
                                         theirs.join(u'|').toUtf8());
        }
    }
}

void TestKeypad::wholeNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("rules");
    QTest::addColumn<QString>("text");
    const auto utc = [](const char *iso) {
        return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate).toUTC();
    };
    const QDateTime july = utc("2026-07-15T14:06Z"), december = utc("2026-12-15T14:06Z");
    const int carried = ZoneRules::Carried;
    // Each side of the clock lines the table holds, at an hour that puts them on either side of
    // 8:00 where it can.
    const struct {
        const char *number;
        QDateTime now;
        const char *code, *time, *state, *location;
    } rows[] = {
        {"850-224-0100", july, "850", "10:06 AM.", "Florida", "Tallahassee, FL"},
        {"850-444-0100", july, "850", "9:06 AM.", "Florida", "Pensacola, FL"},
        {"208-664-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Coeur d'Alene, ID"},
        {"208-345-0100", july, "208", "8:06 AM.", "Idaho", "Boise, ID"},
        {"541-889-0100", july, "541", "8:06 AM.", "Oregon", "Ontario, OR"},
        {"541-382-0100", july, "541", "7:06 AM. DO NOT CALL.", "Oregon", "Bend, OR"},
        {"605-342-0100", july, "605", "8:06 AM.", "South Dakota", "Rapid City, SD"},
        {"605-336-0100", july, "605", "9:06 AM.", "South Dakota", "Sioux Falls, SD"},
        {"701-225-0100", july, "701", "8:06 AM.", "North Dakota", "Dickinson, ND"},
        {"701-223-0100", july, "701", "9:06 AM.", "North Dakota", "Bismarck, ND"},
        {"334-298-0100", july, "334", "10:06 AM.", "Alabama", "Phenix City, AL"},
        {"334-262-0100", july, "334", "9:06 AM.", "Alabama", "Montgomery, AL"},
        {"270-234-0100", july, "270", "10:06 AM.", "Kentucky", "Elizabethtown, KY"},
        {"270-230-0100", july, "270", "9:06 AM.", "Kentucky", "Leitchfield, KY"},
        {"906-774-0100", july, "906", "9:06 AM.", "Michigan", "Iron Mountain, MI"},
        {"906-228-0100", july, "906", "10:06 AM.", "Michigan", "Marquette, MI"},
        {"928-871-0100", july, "928", "8:06 AM.", "Arizona", "Window Rock, AZ"},
        {"928-774-0100", july, "928", "7:06 AM. DO NOT CALL.", "Arizona", "Flagstaff, AZ"},
        {"812-422-0100", december, "812", "8:06 AM.", "Indiana", "Evansville, IN"},
        {"812-282-0100", december, "812", "9:06 AM.", "Indiana", "Jeffersonville, IN"},
        {"250-426-0100", december, "250", "8:06 AM.", "Canada", "Cranbrook, BC"},
        {"250-762-0100", december, "250", "7:06 AM. DO NOT CALL.", "Canada", "Kelowna, BC"},
        {"306-825-0100", december, "306", "8:06 AM.", "Canada", "Lloydminster, SK"},
        {"807-468-0100", july, "807", "9:06 AM.", "Canada", "Kenora, ON"},
        {"807-344-0100", july, "807", "10:06 AM.", "Canada", "Thunder Bay, ON"},
        {"709-944-0100", july, "709", "11:06 AM.", "Canada", "Labrador City, NL"},
        {"709-722-0100", july, "709", "11:36 AM.", "Canada", "St. John's, NL"},
        {"867-667-0100", july, "867", "7:06 AM. DO NOT CALL.", "Canada", "Whitehorse, YT"},
        {"867-873-0100", july, "867", "8:06 AM.", "Canada", "Yellowknife, NT"},
        // Codes of one clock: the exchange's place.
        {"718-230-0100", july, "718", "10:06 AM.", "New York", "Brooklyn, NY"},
        {"907-789-0100", july, "907", "6:06 AM. DO NOT CALL.", "Alaska", "Juneau, AK"},
        {"416-364-0100", july, "416", "10:06 AM.", "Canada", "Toronto, ON"},
        // Towns the gazetteer has no point for, islands and Hawaii.
        {"808-233-0100", july, "808", "4:06 AM. DO NOT CALL.", "Hawaii", "Kaneohe, HI"},
        {"416-261-0100", july, "416", "10:06 AM.", "Canada", "Scarborough, ON"},
        {"242-332-0100", july, "242", "10:06 AM.", "--", "Eleuthera"},
        {"649-946-0100", july, "649", "10:06 AM.", "--", "Providenciales"},
        // Split codes' towns on the other clock, settled by their county or district.
        {"807-937-0100", july, "807", "9:06 AM.", "Canada", "Oxdrift, ON"},
        {"906-753-0100", july, "906", "9:06 AM.", "Michigan", "Stephenson, MI"},
        {"701-584-0100", july, "701", "8:06 AM.", "North Dakota", "Elgin, ND"},
        {"605-279-0100", july, "605", "8:06 AM.", "South Dakota", "Wall, SD"},
        {"605-574-0100", july, "605", "8:06 AM.", "South Dakota", "Hill City, SD"},
        {"605-823-0100", july, "605", "8:06 AM.", "South Dakota", "McLaughlin, SD"},
        {"308-665-0100", july, "308", "8:06 AM.", "Nebraska", "Crawford, NE"},
        {"270-862-0100", july, "270", "10:06 AM.", "Kentucky", "Cecilia, KY"},
        {"208-437-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Oldtown, ID"},
        {"208-683-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Athol, ID"},
        {"208-835-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Troy, ID"},
        {"208-875-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Potlatch, ID"},
        {"208-926-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Kooskia, ID"},
        {"208-962-0100", july, "208", "7:06 AM. DO NOT CALL.", "Idaho", "Cottonwood, ID"},
        {"812-649-0100", july, "812", "9:06 AM.", "Indiana", "Rockport, IN"},
        {"812-838-0100", july, "812", "9:06 AM.", "Indiana", "Mount Vernon, IN"},
        {"812-937-0100", july, "812", "9:06 AM.", "Indiana", "Dale, IN"},
        // The lowest exchange that can be dialled.
        {"201-200-0100", july, "201", "10:06 AM.", "New Jersey", "Jersey City, NJ"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.number) << row.number << row.now << carried
                                  << answer(row.code, row.time, row.state, row.location);
    // Where the exchange is not known or cannot exist, or its clock has no rules, the code's
    // own answer.
    QTest::newRow("exchange not in the table")
        << "212-555-0100" << july << carried << answer("212", "10:06 AM.", "New York", "New York");
    QTest::newRow("impossible exchange")
        << "(850) 123-4567" << july << carried
        << answer("850", "9:06 AM.", "Florida", "Panama City, Pensacola & Tallahassee")
               .replace("\r\nState", "\r\nAlso:               10:06 AM. (Tallahassee & Quincy)\r\nState");
    QTest::newRow("exchange below 200")
        << "201-199-0100" << july << carried
        << answer("201", "10:06 AM.", "New Jersey", "Jersey City and surrounding area");
    // Exchanges the plan reserves, and a town the source puts in another state: no town.
    QTest::newRow("N11 exchange") << "403-211-0100" << july << carried
                                  << answer("403", "8:06 AM.", "Canada", "Alberta    ");
    QTest::newRow("555 exchange")
        << "402-555-0100" << july << carried
        << answer("402", "9:06 AM.", "Nebraska", "Lincoln, Norfolk, Omaha & Valentine ");
    QTest::newRow("town in another state")
        << "201-631-0100" << july << carried
        << answer("201", "10:06 AM.", "New Jersey", "Jersey City and surrounding area");
    QTest::newRow("no zone rules")
        << "850-224-0100" << july << int(ZoneRules::NoDatabase)
        << answer("850", "10:06 AM.", "Florida", "Panama City, Pensacola & Tallahassee");
}

// Answered alike on machines anywhere, and again from the clock a minute later.
void TestKeypad::wholeNumbers()
{
    QFETCH(QString, number);
    QFETCH(QDateTime, now);
    QFETCH(int, rules);
    QFETCH(QString, text);
    const QList<QByteArray> machines = rules == ZoneRules::NoDatabase
                                           ? QList<QByteArray>{"America/Chicago"}
                                           : QList<QByteArray>{"UTC", "America/Chicago", "Asia/Tokyo"};
    for (const QByteArray &machine : machines) {
        QDateTime at = now;
        KeypadEntry keypad([&] { return ClockReading{at, testing::machineZone(machine)}; },
                           ZoneRules::Source(rules));
        keypad.DigitPressed(9);
        keypad.NumberGiven(number);
        QCOMPARE(keypad.resultText(), text);
        keypad.NumberGiven(PlanLink(number)); // as handed to the open window
        QCOMPARE(keypad.resultText(), text);
        at = now.addSecs(60);
        keypad.ClockTicked();
        QCOMPARE(keypad.resultText(), QString(text).replace(":06 ", ":07 ").replace(":36 ", ":37 "));
    }
}

void TestKeypad::languages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    const auto utc = [](const char *iso) {
        return QDateTime::fromString(QLatin1StringView(iso), Qt::ISODate).toUTC();
    };
    struct Words {
        const char *language, *code, *time, *also, *state, *location, *service, *apology,
            *noClock, *noNumber, *tollFree, *times[6], *splitTime, *splitAlso, *lastPlace;
        // New York and Florida; at 20:07 UTC, the time on UTC-4 and on UTC-5; Canada; 506's
        // place, 787's state and place, 809's state and place, 514's place.
        const char *newYork, *florida, *atlantic, *eastern, *canada, *places[6];
    };
    // New York at each boundary of the call advice, in January: 0:05, 7:59, 8:00, 12:00, 17:59,
    // 18:00; 850 with its other clock at 20:07 UTC.
    const Words languages[] = {
        {"fr_CA", "Indicatif :         ", "Heure :            ", "Aussi :             ",
         "\u00C9tat :               ", "Lieu :               ", "Service :          ",
         "D\u00E9sol\u00E9, cet indicatif n'existe pas", "aucune : sans lieu pr\u00E9cis",
         "Aucun num\u00E9ro de t\u00E9l\u00E9phone nord-am\u00E9ricain ici", "Sans frais",
         {"0 h 05. NE PAS APPELER.", "7 h 59. NE PAS APPELER.", "8 h 00.", "12 h 00.",
          "17 h 59.", "18 h 00. NE PAS APPELER."},
         "14 h 07.", "15 h 07. (Tallahassee et Quincy)", "Pensacola et Tallahassee", "New York",
         "Floride", "16 h 07.", "15 h 07.", "Canada",
         {"Nouveau-Brunswick", "Porto Rico", "Porto Rico", "aucun", "R\u00E9publique dominicaine",
          "Montr\u00E9al"}},
        {"es_ES", "C\u00F3digo de \u00E1rea: ", "Hora:                 ", "Tambi\u00E9n:            ",
         "Estado:              ", "Lugar:                ", "Servicio:            ",
         "Lo sentimos, no existe ese c\u00F3digo de \u00E1rea", "ninguna: sin lugar fijo",
         "No hay ning\u00FAn n\u00FAmero de tel\u00E9fono norteamericano", "Gratuito",
         {"0:05. NO LLAMAR.", "7:59. NO LLAMAR.", "8:00.", "12:00.", "17:59.",
          "18:00. NO LLAMAR."},
         "14:07.", "15:07. (Tallahassee y Quincy)", "Pensacola y Tallahassee", "Nueva York",
         "Florida", "16:07.", "15:07.", "Canad\u00E1",
         {"Nuevo Brunswick", "Puerto Rico", "Puerto Rico", "ninguno", "Rep\u00FAblica Dominicana",
          "Montr\u00E9al"}},
        // The Americas' Spanish on twelve hours, the day period as the locale writes it.
        {"es_US", "C\u00F3digo de \u00E1rea: ", "Hora:                 ", "Tambi\u00E9n:            ",
         "Estado:              ", "Lugar:                ", "Servicio:            ",
         "Lo sentimos, no existe ese c\u00F3digo de \u00E1rea", "ninguna: sin lugar fijo",
         "No hay ning\u00FAn n\u00FAmero de tel\u00E9fono norteamericano", "Gratuito",
         {"12:05 a. m. NO LLAMAR.", "7:59 a. m. NO LLAMAR.", "8:00 a. m.",
          "12:00 p. m.", "5:59 p. m.", "6:00 p. m. NO LLAMAR."},
         "2:07 p. m.", "3:07 p. m. (Tallahassee y Quincy)", "Pensacola y Tallahassee",
         "Nueva York", "Florida", "4:07 p. m.", "3:07 p. m.", "Canad\u00E1",
         {"Nuevo Brunswick", "Puerto Rico", "Puerto Rico", "ninguno", "Rep\u00FAblica Dominicana",
          "Montr\u00E9al"}},
        // No translation: English exactly, whatever the locale writes.
        {"de_DE", "Area Code:      ", "Time:              ", "Also:               ",
         "State:             ", "Location:         ", "Service:          ",
         "Sorry, no such area code", "none: not tied to one place",
         "No North American telephone number there", "Toll-free",
         {"0:05 AM. DO NOT CALL.", "7:59 AM. DO NOT CALL.", "8:00 AM.", "12:00 PM.", "5:59 PM.",
          "6:00 PM. DO NOT CALL."},
         "2:07 PM.", "3:07 PM. (Tallahassee & Quincy)", "Pensacola & Tallahassee", "New York",
         "Florida", "4:07 PM.", "3:07 PM.", "Canada",
         {"New Brunswick  ", "PR", "Puerto Rico  ", "--", "Dominican Republic", "Montreal "}},
    };
    const char *instants[] = {"2026-01-15T05:05Z", "2026-01-15T12:59Z", "2026-01-15T13:00Z",
                              "2026-01-15T17:00Z", "2026-01-15T22:59Z", "2026-01-15T23:00Z"};
    // Puerto Rico writes its times as the United States' Spanish does.
    std::vector<Words> spoken(std::begin(languages), std::end(languages));
    spoken.push_back(languages[2]);
    spoken.back().language = "es_PR";
    for (const Words &w : spoken) {
        const auto u = [](const char *text) { return QString::fromUtf8(text); };
        const auto lines = [&](const char *code, const QStringList &rest) {
            return QStringList{u(w.code) + QLatin1StringView(code)} + rest;
        };
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%s, %s", w.language, w.times[i])
                << w.language << "212" << utc(instants[i])
                << lines("212", {u(w.time) + w.times[i], u(w.state) + u(w.newYork),
                                 u(w.location) + u(w.newYork)})
                       .join("\r\n");
        QTest::addRow("%s, split code", w.language)
            << w.language << "850" << utc("2026-01-15T20:07Z")
            << lines("850", {u(w.time) + w.splitTime, u(w.also) + w.splitAlso,
                             u(w.state) + u(w.florida),
                             u(w.location) + "Panama City, " + w.lastPlace})
                   .join("\r\n");
        // A province, Puerto Rico, the Dominican Republic and Montréal, named in the language.
        const struct {
            const char *code, *time, *state, *location;
        } named[] = {{"506", w.atlantic, w.canada, w.places[0]},
                     {"787", w.atlantic, w.places[1], w.places[2]},
                     {"809", w.atlantic, w.places[3], w.places[4]},
                     {"514", w.eastern, w.canada, w.places[5]}};
        for (const auto &row : named)
            QTest::addRow("%s, %s", w.language, row.code)
                << w.language << row.code << utc("2026-01-15T20:07Z")
                << lines(row.code, {u(w.time) + u(row.time), u(w.state) + u(row.state),
                                    u(w.location) + u(row.location)})
                       .join("\r\n");
        QTest::addRow("%s, toll-free", w.language)
            << w.language << "800" << utc("2026-01-15T20:07Z")
            << lines("800", {u(w.time) + u(w.noClock), u(w.service) + u(w.tollFree)}).join("\r\n");
        QTest::addRow("%s, apology", w.language) << w.language << "555" << utc("2026-01-15T20:07Z")
                                                 << lines("555", {"", u(w.apology)}).join("\r\n");
        QTest::addRow("%s, no number", w.language)
            << w.language << "call me" << utc("2026-01-15T20:07Z") << u(w.noNumber);
    }
}

// The answers in each language Dialhour speaks, as main sets it up: its translation and the
// locale of the desktop's language.
void TestKeypad::languages()
{
    QFETCH(QString, language);
    QFETCH(QString, given);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QTranslator translation;
    const bool translated =
        translation.load(":/i18n/dialhour_" + language.section(u'_', 0, 0));
    QCOMPARE(translated, language != "de_DE");
    if (translated)
        QCoreApplication::installTranslator(&translation);
    const QLocale before;
    QLocale::setDefault(QLocale(language));
    KeypadEntry keypad([&now] { return ClockReading{now, QTimeZone::utc()}; });
    // Every kind of service the directory names has its words.
    const Wording words = Wording::current();
    for (int code = FirstCode; code <= LastCode && translated; ++code)
        if (const QLatin1StringView kind = ServiceByCode(code); !kind.isEmpty())
            QVERIFY2(words.serviceKind(kind) != kind, kind.data());
    QCoreApplication::removeTranslator(&translation);
    QLocale::setDefault(before);
    if (given.size() == 3)
        for (QChar key : given)
            press(keypad, key);
    else
        keypad.NumberGiven(given);
    QCOMPARE(testing::withDayPeriodsSpaced(keypad.resultText()), text);
}

void TestKeypad::numberInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits"); // every digit read; empty: no number of the plan
    const char *nyc = "2125550100";
    const struct {
        const char *name, *text, *digits;
    } rows[] = {
        // How numbers are written.
        {"plain", "212-555-0100", nyc},
        {"+1 and brackets", "+1 (212) 555-0100", nyc},
        {"+1 run together", "+12125550100", nyc},
        {"1 and dots", "1.212.555.0100", nyc},
        {"digits only", "2125550100", nyc},
        {"three and seven", "(415) 6667777", "4156667777"},
        {"square brackets", "[212] 555-0100", nyc},
        {"no-break spaces, en dash", "(212)\u00A0555\u20130100", nyc},
        {"minus sign", "212\u2212555\u22120100", nyc},
        {"tel link", "tel:+1-212-555-0100", nyc},
        {"tel link, escaped, parameters", "TEL:%2B1-604-555-0100;ext=204", "6045550100"},
        {"tel link, country context", "tel:555-0100;phone-context=+1-403", "4035550100"},
        {"extension x", "212-555-0100 x204", nyc},
        {"extension ext.", "(867) 555-0100 ext. 12", "8675550100"},
        {"in a sentence", "Call Ana on 403.555.0100, after 9.", "4035550100"},
        {"after other numbers", "Order 12345 of 2026-11-05: call 1 212 555 0100", nyc},
        {"after a word and a hyphen", "My number-4156667777", "4156667777"},
        {"three digits", " 850 ", "850"},
        {"three digits, bracketed", "(204)", "204"},
        {"three digits, dashes round", "-212-", "212"},
        {"dashes alone", "---", ""},
        {"three digits, no such code", "555", "555"},
        {"Unicode digits", "\u0662\u0661\u0662", "212"},
        {"impossible exchange", "(212) 123-4567", "2121234567"},
        {"exchange from 1", "212-155-0100", "2121550100"},
        // Dialled from abroad: an exit code, then 1.
        {"00, then 1", "00 1 212 555 0100", nyc},
        {"011, then 1", "011 1 604 555 0100", "6045550100"},
        {"0011, then 1", "0011 1 416 555 0100", "4165550100"},
        {"001 and 1 together", "0011-650-333-6000", "6503336000"},
        // Letters: only where the text writes a number with them.
        {"letters", "1-800-FLOWERS", "8003569377"},
        {"letters, grouped", "1 (800) GOT-JUNK", "8004685865"},
        {"letters, other grouping", "1-800-MY-APPLE", "8006927753"},
        {"letters, as a brand writes them", "1-800-Flowers", "8003569377"},
        {"letters, more than seven", "1-800-MATTRESS", "8006288737"},
        {"letters, spaced capitals", "1800 SIX FLAGS", "8007493524"},
        {"letters, spaced after +1", "+1 650 GOO OGLE", "6504666453"},
        {"letters, spaced then joined", "800 SIX-flag ext. 1234", "8007493524"},
        {"letters, spaced and hyphenated", "1800 six-flag", "8007493524"},
        {"street address first", "Acme Inc. | 350 Broadway, New York | (212) 555-0100", nyc},
        {"street address", "Visit us at 415 Mission Street", ""},
        {"street address, capitals", "VISIT US AT 415 MISSION STREET", ""},
        {"house number from 1", "Visit us at 1450 Peachtree Street NE", ""},
        {"house number, long street", "1600 Amphitheatre Parkway", ""},
        {"house number, suite", "Our new store: 1234 Broadway, Suite 5", ""},
        {"house number, capitals", "1600 AMPHITHEATRE PARKWAY", ""},
        {"house number, then ours", "1350 Madison Avenue, New York, NY 10128 \u00B7 212-555-0100",
         nyc},
        {"review count",
         "Sunset Dental \u00B7 4.8 (312 reviews) \u00B7 Dentist \u00B7 8200 Sunset Blvd \u00B7 "
         "(323) "
         "555-0172",
         "3235550172"},
        {"price", "Rooms from $250 \u2013 Booking: (212) 555-0100", nyc},
        {"exit number", "Take Exit 234 - Airport, then call 904-555-0123", "9045550123"},
        {"words after a number", "Order 12345 of today", ""},
        // Not from inside a word or a longer number, nor an amount or a percentage.
        {"inside a word", "ID4125550100", ""},
        {"inside letters, joined", "abc415-666-7777def", ""},
        {"too long", "21255501001", ""},
        {"seven digits", "555-0100", ""},
        {"area code from 1", "112-555-0100", ""},
        {"three digits from 0", "012", ""},
        {"percentage", "2125550100%", ""},
        {"amount", "$2125550100", ""},
        // Another country's number is read past whole; nothing is guessed from it.
        {"+44", "+44 20 7946 0000", ""},
        {"011 44", "011 44 20 7946 0000", ""},
        {"0044", "0044 20 7946 0000", ""},
        {"0044, a Maine-like number", "0044 207 946 0958", ""},
        {"0011 44, London from Australia", "0011 44 20 7946 0958", ""},
        {"+44, full-width", "\uFF0B44 207 946 0958", ""},
        {"+7, ten digits after it", "+7 495 123 4567", ""},
        {"tel link, foreign context", "tel:2125550100;phone-context=+44", ""},
        {"tel link, domain context", "tel:2125550100;phone-context=example.com", ""},
        {"tel link abroad", "tel:%2B44-20-7946-0000", ""},
        {"+44 before ours", "+44 20 7946 0000 or 212-555-0100", nyc},
        {"foreign first, in a listing", "UK +44 20 7946 0958 \u00B7 US +1 212 555 0100", nyc},
        // A 0 that dials nothing: inside a time, an amount, a ZIP code, a colour.
        {"after a time", "Hours: Mon\u2013Fri 9:00 AM \u2013 5:00 PM / Phone: (212) 555-0100", nyc},
        {"after 10:00", "meeting moved to 10:00 \u2014 call me at 646-555-0145", "6465550145"},
        {"after an amount", "It's $20.00 cash, call me 347-555-0199", "3475550199"},
        {"after a Massachusetts ZIP", "Springfield, MA 01103 (413) 555-0100", "4135550100"},
        {"after a Puerto Rico ZIP", "San Juan, PR 00926 787-555-0100", "7875550100"},
        {"after a colour", "<td style=\"color:#000000\">212-555-0100</td>", nyc},
        // A reading that fails gives up its own first group only.
        {"address block", "233 S Wacker Dr\nChicago, IL 60606\n(312) 555-0100", "3125550100"},
        {"after a date", "Callback requested 12/10/2026 212-555-0100", nyc},
        {"after an order number", "Order #50023. Call 212-555-0100", nyc},
        {"after a dotted date", "Call me on 21.6.1984 at 1-650-333-6000", "6503336000"},
        // Characters that count for nothing, and look-alikes.
        {"zero-width spaces", "212\u200B-555\u200B-0100", nyc},
        {"word joiner", "(212)\u2060555-0100", nyc},
        {"direction marks", "\u200E\u2066212-555-0100\u2069", nyc},
        {"soft hyphens", "212\u00AD555\u00AD0100", nyc},
        {"middle dots", "212\u00B7555\u00B70100", nyc},
        {"long-vowel marks", "\u96FB\u8A71\u756A\u53F7\uFF1A212\u30FC555\u30FC0100", nyc},
        {"full-width",
         "\uFF08\uFF12\uFF11\uFF12\uFF09\uFF15\uFF15\uFF15\uFF0D\uFF10\uFF11\uFF10\uFF10", nyc},
        {"beside Chinese", "\u7535\u8BDD2125550100\u8F6C", nyc},
        {"beside Japanese", "\u304A\u96FB\u8A71\u306F212-555-0100\u307E\u3067", nyc},
        {"HTML no-break spaces", "Tel:&nbsp;212&#160;555&#xA0;0100", nyc},
        // The phone, not the fax, where the text labels them.
        {"fax first", "Fax: (646) 555-0199 / Tel: (212) 555-0147", "2125550147"},
        {"F and T", "F 646.555.0199 | T 212.555.0147", "2125550147"},
        {"fax named after it", "Home: 310-555-0100 (fax) Cell: 310-555-0101", "3105550101"},
        {"French labels", "T\u00E9l\u00E9copieur : 514 555-0199, T\u00E9l. : 514 555-0147",
         "5145550147"},
        {"Spanish labels", "Fax: 787-555-0199 \u00B7 Tel\u00E9fono: 787-555-0147", "7875550147"},
        // Text as it is copied, by where it comes from: signatures, listings, vCards,
        // spreadsheet rows, chat, receipts, HTML source, other scripts.
        {"signature", "Jane Doe\n1350 Madison Ave, NY 10128\nO: 212.555.0147 | M: 646.555.0199",
         "2125550147"},
        {"signature, Quebec", "1000, rue De La Gaucheti\u00E8re O., bureau 2400\nT\u00E9l\u00E9c. "
                              ": 514 555-0148\nT\u00E9l. : 514 555-0147 poste 4", "5145550147"},
        {"listing", "\u2605\u2605\u2605\u2605\u2606 4.5 (1,287) \u00B7 $$\n7 Carmine St, NY "
                    "10014\nCloses 4 AM\n(212) 366-1182", "2123661182"},
        {"vCard 3", "TEL;TYPE=WORK,FAX:+1-305-555-0198\r\nTEL;TYPE=WORK,VOICE:+1-305-555-0147",
         "3055550147"},
        {"vCard 4", "TEL;TYPE=\"fax,work\":tel:+1-718-555-0198\r\nTEL;TYPE=voice:tel:+17185550147",
         "7185550147"},
        {"spreadsheet", "Ana Ruiz\tRuiz Legal\t(305) 555-0147\t(305) 555-0198", "3055550147"},
        {"chat", "hey can u call me back? 646 555 0145 thx", "6465550145"},
        {"chat, number sign", "my new # is 917.555.0123!!", "9175550123"},
        {"receipt", "STORE #1234 (479) 555-0100\nST# 01234 OP# 00009012 TE# 12", "4795550100"},
        {"receipt, tax", "TAX 8.875% 4.44\nVISA ****1234\nSERVICE 1-866-555-0147", "8665550147"},
        {"HTML link", "<a href=\"tel:+12125550100\" style=\"color:#000000;\">Call</a>", nyc},
        {"HTML cell", "<td style=\"padding:0 0 10px\">Phone:&nbsp;(312)&nbsp;555-0100", "3125550100"},
        {"HTML labels in tags", "<b>Fax</b>: <i>646-555-0199</i><br><b>Tel</b>: <i>212-555-0147",
         "2125550147"},
        // Other scripts:
        {"Chinese label", "\u7535\u8BDD\uFF1A(212) 555-0100", nyc},
        {"Russian label", "\u0422\u0435\u043B.: +1 (212) 555-0100", nyc},
        {"Devanagari digits", "\u0968\u0967\u0968-\u096B\u096B\u096B-\u0966\u0967\u0966\u0966", nyc},
        {"words", "see you at noon", ""},
        {"empty", "", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.text) << QString::fromUtf8(row.digits);
}

void TestKeypad::numberInText()
{
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(NumberInText(text).value_or(PlanNumber{}).digits, digits);
    // Given to the window, and as handed to the open window: the answer for those digits as a
    // plain number, or the one plain line.
    KeypadEntry given(testing::januaryClock), linked(testing::januaryClock),
        plain(testing::januaryClock);
    given.DigitPressed(9); // half keyed: the number starts afresh
    given.NumberGiven(text);
    linked.NumberGiven(PlanLink(text));
    plain.NumberGiven(digits);
    QCOMPARE(given.resultText(),
             digits.isEmpty() ? "No North American telephone number there" : plain.resultText());
    QVERIFY(given.startNewCode());
    QCOMPARE(linked.resultText(), given.resultText());
}

// Text that holds no telephone number, of the kinds copied around one, then a number in one of
// the ways people write it: the number, and from the text alone, none.
void TestKeypad::numberAfterOtherText()
{
    const QStringList others{
        // times and dates
        "9:00", "10:30 AM", u"Mon\u2013Fri 9:00 AM \u2013 5:00 PM"_s, "8:00-17:00", "9am-5pm",
        "12/10/2026", "2026-12-10", "10.12.2026", "Dec 10, 2026", "21.6.1984", "2012-01-02 08:00",
        // amounts and percentages
        "$20.00", "$1,250.00", u"\u20AC45"_s, "USD 2,125,550.10", "$2125550100", "35%",
        "2125550100%", "12.5 %", "-40%",
        // ZIP codes, addresses
        "NY 10128", "MA 01103", "PR 00926", "10128-1234", "00926-2345", "Chicago, IL 60606",
        "1350 Madison Avenue", "1450 Peachtree Street NE", "233 S Wacker Dr", "8200 Sunset Blvd",
        "1600 AMPHITHEATRE PARKWAY", "1234 Broadway, Suite 5", "415 Mission Street", "Exit 234",
        "1 Infinite Loop", "1800 Main St", "PO Box 1350",
        // order and invoice numbers, review counts
        "Order #50023.", "Invoice 2026-00451", "INV-20261210", "Order #2125550100", "Ref. 80012345",
        "(312 reviews)", "4.8 (1,204)", "(1204 reviews)", "#1 in 2026",
        // HTML
        "<td style=\"color:#000000;margin:0 0 10px\">", "<font size=\"2\">", "width=\"600\"",
        "&nbsp;", "<p style=\"font: 12px/1.5 Arial\">", "<td colspan=3>", "#0011ff"};
    const QStringList joins{" ", ", ", u" \u00B7 "_s, "\n", " | ", " - ", ": ", "\r\n\r\n"};
    const QStringList forms{"(%1) %2-%3",   "%1-%2-%3", "+1 %1 %2 %3",
                            "1.%1.%2.%3",   "%1%2%3",   "tel:+1-%1-%2-%3",
                            "1 (%1) %2 %3", "%1.%2.%3", "00 1 %1 %2 %3"};
    const quint32 seed = testing::randomSeed();
    QRandomGenerator random(seed);
    const QByteArray replay = QString("DIALHOUR_SEED=%1: ").arg(seed).toUtf8();
    for (int n = 0; n < 5000; ++n) {
        QString text;
        for (int parts = int(random.bounded(1, 5)); parts > 0; --parts)
            text += others[random.bounded(others.size())] + joins[random.bounded(joins.size())];
        QCOMPARE(NumberInText(text).has_value(), false);
        const QString area = QString::number(random.bounded(200, 1000)),
                      exchange = QString::number(random.bounded(200, 1000)),
                      line = QString::number(random.bounded(10000)).rightJustified(4, u'0');
        text += forms[random.bounded(forms.size())].arg(area, exchange, line);
        const QString read = NumberInText(text).value_or(PlanNumber{}).digits;
        QVERIFY2(read == area + exchange + line, replay + text.toUtf8() + " read " + read.toUtf8());
    }
}

// Text of any length, with any characters, is read through without harm, and quickly.
void TestKeypad::anyTextIsSafe()
{
    const quint32 seed = testing::randomSeed();
    QRandomGenerator random(seed);
    constexpr char bytes[] = "\xff\xfe+1\x00 212 555 0100";
    for (const QString &text : {QString(1 << 20, u'2'), QString(1 << 20, u'('),
                                QString(1 << 20, u'1'), QString(1 << 20, QChar(0xD800)),
                                QString::fromUtf8(QByteArray(bytes, sizeof bytes - 1)),
                                QString(1 << 20, u' ') + "212-555-0100"})
        QVERIFY(NumberInText(text).value_or(PlanNumber{212, 0, {}}).areaCode == 212);
    for (int n = 0; n < 2000; ++n) {
        QString text(random.bounded(40), Qt::Uninitialized);
        for (QChar &c : text)
            c = QChar(char16_t(random.bounded(2) ? u"0123456789+-() .x"[random.bounded(17)]
                                                 : random.bounded(0x10000)));
        const std::optional<PlanNumber> number = NumberInText(text);
        const std::optional<int> code = number ? std::optional(number->areaCode) : std::nullopt;
        QVERIFY2(!code || (*code >= 100 && *code <= 999),
                 qPrintable(QString("DIALHOUR_SEED=%1").arg(seed)));
    }
}

void TestKeypad::randomPresses()
{
    const quint32 seed = testing::randomSeed();
    QRandomGenerator random(seed);
    const QByteArray context = "replay with DIALHOUR_SEED=" + QByteArray::number(seed);
    KeypadEntry keypad(testing::januaryClock);
    int expected = 0;
    bool startNew = false;
    for (int n = 0; n < 5000; ++n) {
        const int key = random.bounded(12); // 10 and 11 press Clear, to keep codes short too
        if (key >= 10) {
            keypad.ClearPressed();
            startNew = true;
            QVERIFY2(keypad.resultText().isEmpty(), context);
            continue;
        }
        keypad.DigitPressed(key);
        expected = (startNew ? 0 : expected) * 10 + key;
        const QString &text = keypad.resultText();
        const QStringList lines = text.split(LineBreak);
        QVERIFY2(text.startsWith(CodeLabel), context);
        QVERIFY2(lines[0] == code(QString::number(expected)), context);
        QVERIFY2(!text.contains(u'\r') || text.count(LineBreak) == text.count(u'\r'), context);
        startNew = expected > 99;
        QVERIFY2(keypad.startNewCode() == startNew, context);
        if (expected <= 99) {
            QVERIFY2(lines.size() == 1, context);
        } else if (lines.size() == 3) {
            const bool service = !ServiceByCode(expected).isEmpty();
            QVERIFY2(service ? lines[1] == TimeLabel + NoClock &&
                                   lines[2] == ServiceLabel + ServiceByCode(expected)
                             : lines[1].isEmpty() && lines[2] == Apology,
                     context);
        } else {
            const qsizetype also = lines.size() - 4;
            QVERIFY2(also >= 0 && also <= qsizetype(OtherClocksByCode(expected).size()), context);
            QVERIFY2(lines[1].startsWith(TimeLabel) && lines[2 + also].startsWith(StateLabel) &&
                         lines[3 + also].startsWith(LocationLabel),
                     context);
            for (qsizetype i = 0; i < also; ++i)
                QVERIFY2(lines[2 + i].startsWith(AlsoLabel), context);
        }
    }
}

QTEST_GUILESS_MAIN(TestKeypad)
#include "tst_keypad.moc"
