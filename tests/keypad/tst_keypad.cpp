#include "keypad/keypad.h"
#include "support.h"

#include <QRandomGenerator>
#include <QTest>

#include <stdexcept>

using namespace dialhour;

namespace {

QString code(const QString &digits)
{
    return CodeLabel + digits;
}

QString answer(const QString &digits, const QString &time, const QString &state,
               const QString &location)
{
    return QStringList{code(digits), TimeLabel + time, StateLabel + state, LocationLabel + location}
        .join(LineBreak);
}

QString apology(const QString &digits)
{
    return code(digits) + LineBreak + LineBreak + Apology;
}

// Presses are digits, or 'C' for Clear.
void press(KeypadEntry &keypad, QChar key)
{
    if (key == u'C')
        keypad.ClearPressed();
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
    void randomPresses();
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
            QVERIFY2(lines[1].isEmpty() && lines[2] == Apology, context);
        } else {
            QVERIFY2(lines.size() == 4, context);
            QVERIFY2(lines[1].startsWith(TimeLabel) && lines[2].startsWith(StateLabel) &&
                         lines[3].startsWith(LocationLabel),
                     context);
        }
    }
}

QTEST_APPLESS_MAIN(TestKeypad)
#include "tst_keypad.moc"
