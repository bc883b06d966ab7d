#include "directory/directory.h"
#include "keypad/keypad.h"
#include "support.h"
#include "window/form1.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace dialhour;

// Ten thousand random clicks on the real window's pad and "Clear", checking the result box
// after each. DIALHOUR_SEED=<n> replays a failed run.
class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomClicks();
};

void TestSoak::randomClicks()
{
    const quint32 seed = testing::randomSeed();
    QRandomGenerator random(seed);
    const QByteArray replay = "replay with DIALHOUR_SEED=" + QByteArray::number(seed);

    Form1 form([] { return testing::clockAt(7); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *text1 = form.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    auto *clear = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    QVERIFY(text1 && clear);

    int code = 0; // what the pad should show, kept here independently of the window
    bool newCode = false;
    for (int click = 0; click < 10000; ++click) {
        const int key = random.bounded(11); // 10 is "Clear"
        if (key == 10) {
            QTest::mouseClick(clear, Qt::LeftButton);
            newCode = true;
            QVERIFY2(text1->toPlainText().isEmpty(), replay);
            continue;
        }
        auto *digit = form.findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(key));
        QTest::mouseClick(digit, Qt::LeftButton);
        code = (newCode ? 0 : code) * 10 + key;
        newCode = code > 99;

        const QStringList lines = text1->toPlainText().split(u'\n');
        QVERIFY2(lines[0] == CodeLabel + QString::number(code), replay);
        if (code <= 99) {
            QVERIFY2(lines.size() == 1, replay);
        } else if (!ServiceByCode(code).isEmpty()) {
            QVERIFY2(lines == QStringList({lines[0], TimeLabel + NoClock,
                                           ServiceLabel + ServiceByCode(code)}),
                     replay);
        } else if (ZoneByCode(code).isEmpty()) {
            QVERIFY2(lines == QStringList({lines[0], QString(), Apology}), replay);
        } else {
            const qsizetype also = lines.size() - 4;
            QVERIFY2(also >= 0 && also <= qsizetype(OtherClocksByCode(code).size()), replay);
            QVERIFY2(lines[1].startsWith(TimeLabel) && lines[1].endsWith(u'.'), replay);
            for (qsizetype i = 2; i < 2 + also; ++i)
                QVERIFY2(lines[i].startsWith(AlsoLabel) && lines[i].endsWith(u')'), replay);
            QVERIFY2(lines[2 + also] == StateLabel + StateByCode(code), replay);
            QVERIFY2(lines[3 + also] == LocationLabel + LocationByCode(code), replay);
        }
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
