#include "support.h"
#include "window/language.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace dialhour;

namespace {

QStringList lines(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// WCAG 2's contrast ratio, 1 to 21.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &color) {
        const auto linear = [](qreal c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
               0.0722 * linear(color.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// A dark desktop theme as Qt receives it from GTK's Adwaita dark, KDE's Breeze dark or
// Windows' dark mode: light text on dark surfaces.
QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::BrightText, QPalette::HighlightedText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::Highlight, QColor(0x1b, 0x57, 0x9a));
    return dark;
}

QList<std::pair<QAccessible::Event, QString>> announcementEvents;
void recordAnnouncementEvent(QAccessibleEvent *event);

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicks_data();
    void clicks();
    void everyCodeNanpaHasAnswers();
    void answerFollowsTheClock();
    void keyboardPressesFocusedButton_data();
    void keyboardPressesFocusedButton();
    void geometry_data();
    void geometry();
    void fonts();
    void focusOrder();
    void typedKeys_data();
    void typedKeys();
    void pasteNumberFromTheMenu();
    void speaksTheLanguage_data();
    void speaksTheLanguage();
    void resultCanBeCopied();
    void notice();
    void noticeFitsWhole();
    void answerInView_data();
    void answerInView();
    void noLineWraps_data();
    void noLineWraps();
    void readableUnderAnyPalette_data();
    void readableUnderAnyPalette();
    void everyControlIsNamedForScreenReaders();
    void screenReaderHearsEachAnswer_data();
    void screenReaderHearsEachAnswer();
    void readerEventsForEachAnswer_data();
    void readerEventsForEachAnswer();
    void endsProgram_data();
    void endsProgram();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        auto *widget = form->findChild<T *>(QLatin1StringView(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void click(QChar key) const;
    QStringList result() const { return lines(control<QPlainTextEdit>("Text1")->toPlainText()); }

    std::unique_ptr<Form1> form;
};

void TestForm1::init()
{
    form = std::make_unique<Form1>(testing::januaryClock, ZoneRules::Carried);
    form->show();
    // On an X server without a window manager nothing activates a window but the program.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestForm1::cleanup()
{
    form.reset();
}

// A digit, or C for "Clear".
void TestForm1::click(QChar key) const
{
    const QByteArray name =
        key == u'C' ? "Command2" : "Command1_" + QByteArray(1, char(key.unicode()));
    QTest::mouseClick(control<QPushButton>(name.constData()), Qt::LeftButton);
}

void TestForm1::clicks_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("walkthrough") << "212"
                                 << QStringList{"Area Code:      212",
                                                "Time:              3:07 PM.",
                                                "State:             New York",
                                                "Location:         New York"};
    QTest::newRow("then a new code") << "2127" << QStringList{"Area Code:      7"};
    QTest::newRow("unlisted") << "555"
                              << QStringList{"Area Code:      555", "", "Sorry, no such area code"};
    // One code of each kind that serves no one place, as NANPA's report gives them.
    for (const auto &[digits, kind] : {std::pair{"800", "Toll-free"},
                                       {"900", "Premium-rate (calls cost extra)"},
                                       {"500", "Non-geographic services"},
                                       {"600", "Canadian non-geographic services"},
                                       {"700", "Long-distance carriers"}})
        QTest::addRow("service %s", digits)
            << digits
            << QStringList{QString("Area Code:      ") + digits,
                           "Time:              none: not tied to one place",
                           QString("Service:          ") + kind};
    QTest::newRow("clear mid-code") << "21C" << QStringList();
    QTest::newRow("digit after clear") << "21C3" << QStringList{"Area Code:      3"};
}

void TestForm1::clicks()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, shown);
    for (QChar key : keys)
        click(key);
    QCOMPARE(result(), shown);
}

// The codes of NANPA's report that are in service or assigned, geographic (use "G") or not
// ("N"), read from the copy the directory is held to.
namespace {
QList<int> nanpaCodes(QStringView wantedUse)
{
    QFile file(":/nanpa/nanpa-npa-report.csv");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no NANPA report among the test's resources");
    const auto fields = [](const QString &line) {
        QStringList out{QString()};
        bool quoted = false;
        for (QChar c : line) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                out.append(QString());
            else
                out.last() += c;
        }
        return out;
    };
    QTextStream in(&file);
    in.readLine(); // its date
    const QStringList header = fields(in.readLine());
    const auto column = [&](const char *name) {
        const qsizetype i = header.indexOf(QLatin1StringView(name));
        if (i < 0)
            qFatal("the NANPA report has no %s column", name);
        return i;
    };
    const qsizetype id = column("NPA_ID"), use = column("USE"), inService = column("IN_SERVICE"),
                    assigned = column("ASSIGNED");
    QList<int> codes;
    while (!in.atEnd()) {
        const QStringList row = fields(in.readLine());
        if (row.size() > std::max({id, use, inService, assigned}) && row[use] == wantedUse &&
            (row[inService] == u"Y" || (row[assigned] == u"Yes" && wantedUse == u"G")))
            codes.append(row[id].toInt());
    }
    return codes;
}
} // namespace

void TestForm1::everyCodeNanpaHasAnswers()
{
    const QList<int> codes = nanpaCodes(u"G");
    // The report was read: its first and last geographic codes, and one that opened in 2026.
    QVERIFY2(codes.contains(201) && codes.contains(989) && codes.contains(465),
             "the NANPA report was not read");
    const QList<int> services = nanpaCodes(u"N");
    QVERIFY2(services.contains(800) && services.contains(633), "the NANPA report was not read");
    for (int code : services) {
        const QString digits = QString::number(code);
        for (QChar key : digits)
            click(key);
        const QStringList shown = result();
        // 710, the US government's, keeps the place the original list gave it.
        const bool service = code != 710;
        QVERIFY2(shown.size() == (service ? 3 : 4) && shown[0] == "Area Code:      " + digits &&
                     (shown[1] == "Time:              none: not tied to one place") == service &&
                     shown[2].startsWith(service ? "Service:          " : "State:") &&
                     shown[2].size() > 20,
                 qPrintable(shown.join(u'|')));
    }
    for (int code : codes) {
        const QString digits = QString::number(code);
        for (QChar key : digits)
            click(key);
        const QStringList shown = result();
        QVERIFY2(shown.size() >= 4 && shown[0] == "Area Code:      " + digits &&
                     shown[1].startsWith("Time:") && shown[shown.size() - 2].startsWith("State:"),
                 qPrintable(shown.join(u'|')));
    }
}

// The time and advice are written again at the turn of each minute, in place: what the user
// selected and scrolled to stays, and a screen reader is not told the answer again.
void TestForm1::answerFollowsTheClock()
{
    QDateTime now = QDateTime::fromString("2026-01-15T22:59:59.900Z", Qt::ISODateWithMs);
    form = std::make_unique<Form1>([&now] { return ClockReading{now, QTimeZone::utc()}; },
                                   ZoneRules::Carried);
    form->show();
    for (QChar key : QStringLiteral("850"))
        click(key);
    auto *text1 = control<QPlainTextEdit>("Text1");
    QCOMPARE(result().mid(1, 2), (QStringList{"Time:              4:59 PM.",
                                              "Also:               5:59 PM. (Tallahassee & Quincy)"}));
    QTextCursor selection = text1->document()->find("Pensacola");
    text1->setTextCursor(selection);
    QScrollBar *scroll = text1->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    const int scrolled = scroll->value();
    announcementEvents.clear();
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(recordAnnouncementEvent);
    now = now.addMSecs(100);
    QTRY_COMPARE_WITH_TIMEOUT(result().mid(1, 2),
                              (QStringList{"Time:              5:00 PM.",
                                           "Also:               6:00 PM. DO NOT CALL. "
                                           "(Tallahassee & Quincy)"}),
                              5000);
    QAccessible::installUpdateHandler(previous);
    QCOMPARE(result().last(), "Location:         Panama City, Pensacola & Tallahassee");
    QCOMPARE(text1->textCursor().selectedText(), "Pensacola");
    QCOMPARE(scroll->value(), scrolled);
    QCOMPARE(announcementEvents, {});
    QAccessibleTextInterface *read = QAccessible::queryAccessibleInterface(text1)->textInterface();
    QCOMPARE(read->text(0, read->characterCount()), text1->toPlainText());
    // Once no answer is shown, nothing wakes the window.
    for (const char *keys : {"C", "555", "800", "21"}) {
        for (QChar key : QString(keys))
            click(QChar(key));
        for (QTimer *timer : form->findChildren<QTimer *>())
            QVERIFY2(!timer->isActive(), keys);
    }
}

void TestForm1::keyboardPressesFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
}

void TestForm1::keyboardPressesFocusedButton()
{
    QFETCH(int, key);
    for (const char *name : {"Command1_9", "Command1_0", "Command1_7"}) {
        auto *button = control<QPushButton>(name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
    }
    QCOMPARE(result().value(0), "Area Code:      907");
    control("Command2")->setFocus();
    QTest::keyClick(control("Command2"), Qt::Key(key));
    QCOMPARE(result(), QStringList());
}

void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Label2") << "Label2" << QRect(16, 0, 265, 33);
    QTest::newRow("Text1") << "Text1" << QRect(16, 32, 257, 73);
    QTest::newRow("1") << "Command1_1" << QRect(16, 120, 41, 29);
    QTest::newRow("2") << "Command1_2" << QRect(64, 120, 41, 29);
    QTest::newRow("3") << "Command1_3" << QRect(112, 120, 41, 29);
    QTest::newRow("4") << "Command1_4" << QRect(16, 152, 41, 29);
    QTest::newRow("5") << "Command1_5" << QRect(64, 152, 41, 29);
    QTest::newRow("6") << "Command1_6" << QRect(112, 152, 41, 29);
    QTest::newRow("7") << "Command1_7" << QRect(16, 184, 41, 29);
    QTest::newRow("8") << "Command1_8" << QRect(64, 184, 41, 29);
    QTest::newRow("9") << "Command1_9" << QRect(112, 184, 41, 29);
    QTest::newRow("Clear") << "Command2" << QRect(16, 216, 41, 29);
    QTest::newRow("0") << "Command1_0" << QRect(64, 216, 41, 29);
    QTest::newRow("Quit") << "Command3" << QRect(112, 216, 41, 29);
    QTest::newRow("Text2") << "Text2" << QRect(168, 120, 113, 113);
    QTest::newRow("Label1") << "Label1" << QRect(192, 248, 73, 17);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QCOMPARE(control(name.toLatin1().constData())->geometry(), rect);
    QCOMPARE(form->size(), QSize(288, 274));
    QCOMPARE(form->minimumSize(), form->maximumSize());
}

void TestForm1::fonts()
{
    // Verdana where installed, else the platform's own family.
    const QString family = QFontDatabase::families().contains("Verdana", Qt::CaseInsensitive)
                               ? QStringLiteral("Verdana")
                               : QApplication::font().family();
    for (const char *name : {"Label1", "Label2", "Text1"}) {
        const QFont font = control(name)->font();
        QCOMPARE(font.families().value(0, font.family()), family);
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(font.weight(), qstrcmp(name, "Text1") == 0 ? QFont::Normal : QFont::Bold);
    }
    QCOMPARE(control("Command3")->font(), QApplication::font(control("Command3")));
}

void TestForm1::focusOrder()
{
    const char *const order[] = {"Command1_1", "Command1_2", "Command1_3", "Command1_4",
                                 "Command1_5", "Command1_6", "Command1_7", "Command1_8",
                                 "Command1_9", "Command1_0", "Command2",   "Command3",
                                 "Text1",      "Text2",      "Command1_1"};
    control(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    QCOMPARE(result(), QStringList()); // tabbing through the text boxes typed nothing
}

void TestForm1::typedKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("shown");
    const QStringList nyc{"Area Code:      212", "Time:              3:07 PM.",
                          "State:             New York", "Location:         New York"};
    const auto typed = [](const QString &text, Qt::KeyboardModifiers modifiers = {}) {
        QList<int> keys;
        for (QChar c : text)
            keys.append((modifiers | Qt::Key(c.toUpper().unicode())).toCombined());
        return keys;
    };
    const int backspace = Qt::Key_Backspace, escape = Qt::Key_Escape, del = Qt::Key_Delete,
              paste = (Qt::ControlModifier | Qt::Key_V).toCombined(),
              shiftInsert = (Qt::ShiftModifier | Qt::Key_Insert).toCombined();
    QTest::newRow("main row, on a pad key") << "Command1_5" << "" << typed("212") << nyc;
    QTest::newRow("numeric keypad") << "Command2" << "" << typed("212", Qt::KeypadModifier)
                                    << nyc;
    // Every digit of the numeric keypad, over three codes.
    QTest::newRow("numeric keypad 3 4 5")
        << "Command1_1" << "" << typed("345", Qt::KeypadModifier)
        << QStringList{"Area Code:      345", "Time:              3:07 PM.",
                       "State:             --", "Location:         Cayman Islands"};
    QTest::newRow("numeric keypad 8 6 8")
        << "Command1_1" << "" << typed("868", Qt::KeypadModifier)
        << QStringList{"Area Code:      868", "Time:              4:07 PM.",
                       "State:             --", "Location:         Trinidad and Tobago  "};
    QTest::newRow("numeric keypad 9 0 7")
        << "Command1_1" << "" << typed("907", Qt::KeypadModifier)
        << QStringList{"Area Code:      907", "Time:              11:07 AM.",
                       "Also:               10:07 AM. (Adak & Atka)", "State:             Alaska",
                       QString::fromUtf8("Location:         Anchorage, Fairbanks, Juneau, Kodiak, "
                                         "Nome & Utqia\u0121vik")};
    QTest::newRow("backspace after escape")
        << "Command1_1" << "" << typed("212") + QList{escape, backspace} << QStringList{};
    QTest::newRow("backspace after no number")
        << "Command1_1" << "+44 20 7946 0000" << QList{paste, backspace}
        << QStringList{"No North American telephone number there"};
    QTest::newRow("in the result box") << "Text1" << "" << typed("0212") << nyc;
    QTest::newRow("in the notice") << "Text2" << "" << typed("212") << nyc;
    QTest::newRow("backspace") << "Command1_1" << "" << typed("21") + QList{backspace} + typed("3")
                               << QStringList{"Area Code:      23"};
    QTest::newRow("escape") << "Text1" << "" << typed("21") + QList{escape} << QStringList{};
    QTest::newRow("delete") << "Command3" << "" << typed("21") + QList{del} << QStringList{};
    QTest::newRow("text changes nothing")
        << "Text1" << "" << typed("21") + typed("abc ") + QList<int>{Qt::Key_Return}
        << QStringList{"Area Code:      21"};
    QTest::newRow("Ctrl+V, half keyed") << "Command1_1" << "+1 (212) 555-0100"
                                        << typed("9") + QList{paste} << nyc;
    QTest::newRow("Ctrl+V in the result box") << "Text1" << "tel:+12125550100"
                                              << QList{paste} << nyc;
    QTest::newRow("Shift+Insert") << "Text2" << "212.555.0100" << QList{shiftInsert} << nyc;
    QTest::newRow("no number") << "Command1_1" << "+44 20 7946 0000" << typed("21") + QList{paste}
                               << QStringList{"No North American telephone number there"};
}

// Typed and pasted keys answer wherever the focus is, and the pad key typed is seen to press.
void TestForm1::typedKeys()
{
    QFETCH(QString, focus);
    QFETCH(QString, clipboard);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, shown);
    QApplication::clipboard()->setText(clipboard);
    QWidget *focused = control(focus.toLatin1().constData());
    focused->setFocus();
    for (int key : keys) {
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(focused, combination.key(), combination.keyboardModifiers());
        const QChar digit(char16_t(combination.key()));
        if (digit.isDigit())
            QVERIFY(control<QPushButton>(qPrintable("Command1_" + QString(digit)))->isDown());
    }
    QCOMPARE(result(), shown);
    QCOMPARE(QApplication::focusWidget(), focused);
    QTRY_VERIFY(!control<QPushButton>("Command1_2")->isDown());
}

void TestForm1::pasteNumberFromTheMenu()
{
    QApplication::clipboard()->setText("Call 1-800-FLOWERS");
    auto *text1 = control<QPlainTextEdit>("Text1");
    emit text1->customContextMenuRequested(QPoint(5, 5));
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qApp->activePopupWidget() ? qobject_cast<QMenu *>(qApp->activePopupWidget())
                                                  : nullptr));
    const QList<QAction *> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
        return action->text() == "Paste number";
    });
    QVERIFY2(paste != actions.end(), "no \"Paste number\" in the result box's menu");
    (*paste)->trigger();
    menu->close();
    QCOMPARE(result().value(2), "Service:          Toll-free");
}

void TestForm1::speaksTheLanguage_data()
{
    QTest::addColumn<QString>("environment"); // the desktop's locale variables
    QTest::addColumn<QStringList>("captions"); // prompt, Clear, Quit
    QTest::addColumn<QStringList>("menu");     // Qt's Copy and Select All, Paste number
    QTest::addColumn<QStringList>("answer");
    const QStringList french{QString::fromUtf8("Entrez l'indicatif r\u00E9gional sur le clavier :"),
                             "Effacer", "Quitter"};
    const QStringList frenchMenu{"Copier", QString::fromUtf8("Tout s\u00E9lectionner"),
                                 QString::fromUtf8("Coller le num\u00E9ro")};
    const auto frenchAnswer = [](const char *time) {
        return QStringList{"Indicatif :         212", QString("Heure :            ") + time,
                           QString::fromUtf8("\u00C9tat :               New York"),
                           "Lieu :               New York"};
    };
    const QStringList spanish{
        QString::fromUtf8("Marque el c\u00F3digo de \u00E1rea en el teclado num\u00E9rico:"),
        "Borrar", "Salir"};
    const QStringList spanishMenu{"Copiar", "Seleccionar todo",
                                  QString::fromUtf8("Pegar n\u00FAmero")};
    const auto spanishAnswer = [](const char *time) {
        return QStringList{QString::fromUtf8("C\u00F3digo de \u00E1rea: 212"),
                           QString::fromUtf8("Hora:                 ") + QString::fromUtf8(time),
                           "Estado:              Nueva York", "Lugar:                Nueva York"};
    };
    const QStringList english{"Please enter Area Code by clicking on the number pad:", "Clear",
                              "Quit"};
    const QStringList englishMenu{"Copy", "Select All", "Paste number"};
    const QStringList nyc{"Area Code:      212", "Time:              3:07 PM.",
                          "State:             New York", "Location:         New York"};
    QTest::newRow("French, Canada") << "LANG=fr_CA.UTF-8" << french << frenchMenu
                                    << frenchAnswer("15 h 07.");
    QTest::newRow("French, Canada from LANG's territory")
        << "LANGUAGE=fr:en LANG=en_CA.UTF-8" << french << frenchMenu << frenchAnswer("15 h 07.");
    QTest::newRow("times from LC_TIME") << "LANG=fr_FR.UTF-8 LC_TIME=fr_CA.UTF-8" << french
                                        << frenchMenu << frenchAnswer("15 h 07.");
    QTest::newRow("untranslated language first")
        << "LANGUAGE=de:fr LANG=fr_FR.UTF-8" << french << frenchMenu << frenchAnswer("15:07.");
    QTest::newRow("Spanish, Spain") << "LANG=es_ES.UTF-8" << spanish << spanishMenu
                                    << spanishAnswer("15:07.");
    QTest::newRow("Spanish, United States")
        << "LANG=es_US.UTF-8" << spanish << spanishMenu << spanishAnswer("3:07 p. m.");
    QTest::newRow("English first") << "LANGUAGE=en:fr LANG=fr_CA.UTF-8" << english << englishMenu
                                   << nyc;
    QTest::newRow("no translation") << "LANG=de_DE.UTF-8" << english << englishMenu << nyc;
    QTest::newRow("C locale") << "LANGUAGE=fr LC_ALL=C" << english << englishMenu << nyc;
    QTest::newRow("no locale") << "LANGUAGE=fr" << english << englishMenu << nyc;
}

// The window in the desktop's language, Qt's own words included, as the program starts it.
void TestForm1::speaksTheLanguage()
{
    QFETCH(QString, environment);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, menu);
    QFETCH(QStringList, answer);
    const QLocale before;
    const QStringList variables = environment.split(u' ');
    const QList<QTranslator *> translators =
        SpeakLanguage(*qApp, PosixDesktopLocale([&variables](const char *name) {
                          const QString set = QLatin1StringView(name) + u'=';
                          for (const QString &variable : variables)
                              if (variable.startsWith(set))
                                  return variable.sliced(set.size());
                          return QString();
                      }));
    form = std::make_unique<Form1>(testing::januaryClock, ZoneRules::Carried);
    for (QTranslator *translator : translators)
        QCoreApplication::removeTranslator(translator);
    QLocale::setDefault(before);
    form->show();
    QCOMPARE((QStringList{control<QLabel>("Label2")->text(),
                          control<QPushButton>("Command2")->text(),
                          control<QPushButton>("Command3")->text()}),
             captions);
    // Each caption shows whole inside its button, as the style draws it.
    for (const char *name : {"Command2", "Command3"}) {
        auto *button = control<QPushButton>(name);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                             &option, button);
        QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text()) <= inside.width(),
                 qPrintable(button->text() + " is cut off"));
    }
    for (QChar key : QStringLiteral("212"))
        click(key);
    QStringList shownAnswer = result();
    for (QString &line : shownAnswer)
        line = testing::withDayPeriodsSpaced(line);
    QCOMPARE(shownAnswer, answer);
    // The menu is made as it opens, so Qt's words are read with the translators in place.
    for (QTranslator *translator : translators)
        QCoreApplication::installTranslator(translator);
    auto *text1 = control<QPlainTextEdit>("Text1");
    emit text1->customContextMenuRequested(QPoint(5, 5));
    QMenu *popup = nullptr;
    QTRY_VERIFY((popup = qApp->activePopupWidget() ? qobject_cast<QMenu *>(qApp->activePopupWidget())
                                                   : nullptr));
    QStringList shown;
    for (QAction *action : popup->actions())
        shown << action->text().remove(u'&').section(u'\t', 0, 0);
    popup->close();
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    for (const QString &item : menu)
        QVERIFY2(shown.contains(item), qPrintable(item + " not in " + shown.join(u'|')));
}

void TestForm1::resultCanBeCopied()
{
    for (QChar key : QStringLiteral("555"))
        click(key);
    auto *text1 = control<QPlainTextEdit>("Text1");
    text1->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(lines(QApplication::clipboard()->text()), result());
}

void TestForm1::notice()
{
    auto *text2 = control<QPlainTextEdit>("Text2");
    const QStringList shown = text2->toPlainText().split(u'\n');
    QCOMPARE(shown.size(), 8);
    QCOMPARE(shown.first(), "");
    QCOMPARE(shown.mid(1, 5), QStringList({"Register at", "quorvanta.example", "to get updates",
                                           "and support. Send", "errors to "}));
    QVERIFY(shown[6].endsWith("@quorvanta.example"));
    QCOMPARE(shown.last(), ""); // the notice ends with a line break
    QCOMPARE(text2->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(control<QLabel>("Label1")->text(), "Quorvanta");
    QCOMPARE(control<QLabel>("Label2")->text(),
             "Please enter Area Code by clicking on the number pad:");
    QCOMPARE(form->windowTitle(), "Dialhour");
    QTRY_COMPARE(form->windowIcon().availableSizes().size(), 3); // read after the first paint
}

void TestForm1::noticeFitsWhole()
{
    auto *text2 = control<QPlainTextEdit>("Text2");
    QCOMPARE(text2->geometry(), QRect(168, 120, 113, 113));
    QTextDocument *document = text2->document();
    QCOMPARE(document->blockCount(), 8);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    QCOMPARE(text2->verticalScrollBar()->maximum(), 0);
    QVERIFY(!text2->verticalScrollBar()->isVisible());
    // Never smaller than the platform's font needs it to be, nor unreadably small.
    const int pixels = QFontInfo(text2->font()).pixelSize();
    QVERIFY(pixels >= 7 && pixels <= QFontInfo(QApplication::font(text2)).pixelSize());
}

void TestForm1::answerInView_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("lastLine");
    // Codes with the most lines: other clocks that read differently in January.
    QTest::newRow("850") << "850" << "Location:         Panama City, Pensacola & Tallahassee";
    QTest::newRow("250") << "250" << "Location:         British Columbia";
    QTest::newRow("867") << "867" << "Location:         Yukon, Northwest Territories & Nunavut";
    QTest::newRow("418") << "418" << "Location:         Quebec   ";
    QTest::newRow("709") << "709" << "Location:         Newfoundland and Labrador";
    QTest::newRow("long places") << "808"
                                 << "Location:         Hanamaulu, Hilo, Honolulu, Kailua, Kamuela, "
                                    "Kaunakakai, Lahaina & Wailuku";
    QTest::newRow("whole number") << "+1 850-224-0100" << "Location:         Tallahassee, FL";
    QTest::newRow("short answer") << "212" << "Location:         New York";
    // In the languages whose labels are longest.
    QTest::newRow("867, French") << "fr:867"
                                 << "Lieu :               Yukon, Territoires du Nord-Ouest et Nunavut";
    QTest::newRow("867, Spanish") << "es:867"
                                  << "Lugar:                Yukon, Territorios del Noroeste y Nunavut";
    QTest::newRow("premium-rate, Spanish") << "es:900"
                                        << "Servicio:            Tarifa especial (llamadas con recargo)";
}

// Every line of an answer in view: nothing to scroll to, at any scale, and still readable.
void TestForm1::answerInView()
{
    QFETCH(QString, given);
    QFETCH(QString, lastLine);
    if (given.contains(u':') && !given.startsWith(u'+')) {
        const QLocale before;
        const QList<QTranslator *> translators =
            SpeakLanguage(*qApp, {{given.section(u':', 0, 0)}, {}});
        form = std::make_unique<Form1>(testing::januaryClock, ZoneRules::Carried);
        for (QTranslator *translator : translators) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(before);
        form->show();
        given = given.section(u':', 1);
    }
    auto *text1 = control<QPlainTextEdit>("Text1");
    if (given.size() == 3)
        for (QChar key : given)
            click(key);
    else
        form->numberGiven(given);
    QCOMPARE(result().last(), lastLine);
    QTRY_VERIFY(text1->document()->lastBlock().layout()->lineCount() > 0);
    QCOMPARE(text1->verticalScrollBar()->maximum(), 0);
    QCOMPARE(text1->verticalScrollBar()->value(), 0);
    const int pixels = QFontInfo(text1->font()).pixelSize();
    QVERIFY(pixels >= 7);
    // An answer that fits keeps the box's own size.
    if (given == "212")
        QCOMPARE(text1->font().pointSizeF(), 8.25);
}

void TestForm1::noLineWraps_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en_US";
    QTest::newRow("French") << "fr_CA";
    QTest::newRow("Spanish") << "es_ES";
    QTest::newRow("Spanish, twelve hours") << "es_US";
}

// Every code keyed, services and apologies included, shows each line of its answer on one row,
// at 3:07 AM in New York, when every clock of the plan gives the longer advice; only at the
// smallest readable size may a line too long for the box (207's ten towns) still wrap.
void TestForm1::noLineWraps()
{
    QFETCH(QString, language);
    const QLocale before;
    const QList<QTranslator *> translators = SpeakLanguage(*qApp, {{language}, {}});
    const auto night = [] {
        return ClockReading{QDateTime(QDate(2026, 1, 15), QTime(8, 7), QTimeZone::utc()),
                            QTimeZone::utc()};
    };
    form = std::make_unique<Form1>(night, ZoneRules::Carried);
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(before);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto *text1 = control<QPlainTextEdit>("Text1");
    QTextDocument *document = text1->document();
    for (int code = 100; code <= 999; ++code) {
        form->numberGiven(QString::number(code)); // as keyed, and quicker to give under Wine
        if (QFontInfo(text1->font()).pixelSize() <= 7)
            continue;
        for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
            document->documentLayout()->blockBoundingRect(line); // laid out now
            QVERIFY2(line.layout()->lineCount() == 1,
                     qPrintable(QString::number(code) + " wraps: " + line.text()));
        }
    }
}

void TestForm1::readableUnderAnyPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("platformDark");
    QTest::addColumn<QString>("style");
    QTest::newRow("platform") << QApplication::palette() << false << QString();
    QTest::newRow("dark") << darkPalette() << false << QString();
    // The platform's own dark mode, with the palette its style makes of it; on Windows, with the
    // style of Windows 11, which follows dark mode, and of Windows 10, which does not.
    QTest::newRow("platform dark") << QPalette() << true << QString();
    for (const char *style : {"windows11", "windowsvista"}) {
        QTest::addRow("%s", style) << QPalette() << false << QString::fromLatin1(style);
        QTest::addRow("%s dark", style) << QPalette() << true << QString::fromLatin1(style);
    }
}

void TestForm1::readableUnderAnyPalette()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, platformDark);
    QFETCH(QString, style);
    const QString platformStyle = QApplication::style()->name();
    const QPalette platform = QApplication::palette();
    const auto restore = qScopeGuard([&platform, &platformStyle] {
        QApplication::setStyle(platformStyle);
        QApplication::setPalette(platform);
    });
    if (!style.isEmpty()) {
        if (!QStyleFactory::keys().contains(style, Qt::CaseInsensitive))
            QSKIP("this platform has no such style");
        QApplication::setStyle(style);
        palette = QApplication::palette();
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QStyleHints *hints = QGuiApplication::styleHints();
    const auto scheme = qScopeGuard([hints] { hints->unsetColorScheme(); });
    if (platformDark) {
        hints->setColorScheme(Qt::ColorScheme::Dark);
        if (hints->colorScheme() != Qt::ColorScheme::Dark)
            QSKIP("this platform has no dark mode to ask for");
        palette = QApplication::palette();
    }
#else
    if (platformDark)
        QSKIP("Qt before 6.8 cannot ask the platform for its dark mode");
#endif
    QApplication::setPalette(palette);
    form = std::make_unique<Form1>(testing::januaryClock, ZoneRules::Carried);
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->parentWidget() != form.get())
            continue;
        // Text and what it is painted on: labels on the window, buttons on their bevel, text
        // boxes on their base, and selected text on the selection where we colour it.
        auto *box = qobject_cast<QPlainTextEdit *>(widget);
        QList<std::pair<QPalette::ColorRole, QPalette::ColorRole>> pairs{
            {QPalette::WindowText, QPalette::Window}};
        if (qobject_cast<QAbstractButton *>(widget))
            pairs = {{QPalette::ButtonText, QPalette::Button}};
        else if (box)
            pairs = {{QPalette::Text, QPalette::Base},
                     {QPalette::HighlightedText, QPalette::Highlight}};
        const QPalette &painted = box ? box->viewport()->palette() : widget->palette();
        const QPalette &behind = qobject_cast<QLabel *>(widget) ? form->palette() : painted;
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            for (auto [ink, paper] : pairs) {
                const QColor text = painted.color(group, ink);
                const QColor background = behind.color(group, paper);
                // How well a theme's own selection reads is the theme's business.
                if (ink == QPalette::HighlightedText && text == palette.color(group, ink) &&
                    background == palette.color(group, paper))
                    continue;
                const qreal ratio = contrast(text, background);
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1, %3 on %4")
                                                      .arg(widget->objectName())
                                                      .arg(ratio, 0, 'f', 1)
                                                      .arg(text.name(), background.name())));
            }
        }
    }
}

void TestForm1::everyControlIsNamedForScreenReaders()
{
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->parentWidget() != form.get())
            continue; // the parts Qt builds inside a text box
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
        // A screen reader says what a sighted person reads on the control.
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(name, label->text());
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(name, button->text());
    }
    QCOMPARE(control("Label1")->accessibleDescription(), "Maker");
}

void TestForm1::screenReaderHearsEachAnswer_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("heard");
    const QString answer212("Area Code: 212\nTime: 3:07 PM.\nState: New York\nLocation: New York");
    QTest::newRow("answer") << "212" << answer212;
    QTest::newRow("partial codes are not announced") << "2127" << answer212;
    QTest::newRow("apology") << "555"
                             << "Area Code: 555\nSorry, no such area code";
    QTest::newRow("cleared") << "21C" << QString();
    QTest::newRow("other clocks, in order")
        << "850"
        << "Area Code: 850\nTime: 2:07 PM.\nAlso: 3:07 PM. (Tallahassee & Quincy)\n"
           "State: Florida\nLocation: Panama City, Pensacola & Tallahassee";
}

namespace {

// The accessibility events raised for the announcement: their kinds, and the text of each one
// that carries text.
void recordAnnouncementEvent(QAccessibleEvent *event)
{
    if (!event->object() || !event->object()->inherits("Announcement"))
        return;
    QString text;
    if (event->type() == QAccessible::ValueChanged)
        text = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        text = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
    announcementEvents.append({event->type(), text});
}

} // namespace

// What Orca makes of this is tested over the real accessibility bus; this checks what the
// window tells it.
void TestForm1::screenReaderHearsEachAnswer()
{
    QFETCH(QString, keys);
    QFETCH(QString, heard);
    // A frame that a screen reader names by its title and describes by the prompt.
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(form.get());
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), "Dialhour");
    QCOMPARE(frame->text(QAccessible::Description), control<QLabel>("Label2")->text());

    for (QChar key : keys)
        click(key);
    // The announcement is the frame's last child, reached as any other.
    QAccessibleInterface *announcement = frame->child(frame->childCount() - 1);
    QCOMPARE(announcement->role(), QAccessible::Notification);
    QCOMPARE(announcement->text(QAccessible::Name), heard);
    QCOMPARE(frame->indexOfChild(announcement), frame->childCount() - 1);
    QCOMPARE(announcement->parent(), frame);
}

void TestForm1::readerEventsForEachAnswer_data()
{
    screenReaderHearsEachAnswer_data();
}

// What this platform's accessibility bridge is given for an answer, where it has one.
void TestForm1::readerEventsForEachAnswer()
{
    QFETCH(QString, keys);
    QFETCH(QString, heard);
#ifdef Q_OS_WIN
    // A Windows reader switches Qt's bridge on by asking the window for its tree.
    SendMessageW(HWND(form->winId()), WM_GETOBJECT, 0, OBJID_CLIENT);
#endif
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge is active on this platform (see tst_form1_atspi)");
    announcementEvents.clear();
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(recordAnnouncementEvent);
    for (QChar key : keys)
        click(key);
    QAccessible::installUpdateHandler(previous);
    // An announcement where Qt has them; before that a notification that appears, and on
    // Windows a text value that changes, which Qt's UI Automation bridge raises as a
    // notification.
    QList<std::pair<QAccessible::Event, QString>> expected;
    if (!heard.isEmpty()) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        expected = {{QAccessible::Announcement, heard}};
#else
        expected = {{QAccessible::NameChanged, QString()}, {QAccessible::ObjectShow, QString()}};
        if (QGuiApplication::platformName() == QLatin1StringView("windows"))
            expected.append({QAccessible::ValueChanged, heard});
#endif
    }
    QCOMPARE(announcementEvents, expected);
}

void TestForm1::endsProgram_data()
{
    QTest::addColumn<bool>("viaQuit");
    QTest::newRow("Quit") << true;
    QTest::newRow("title bar close") << false;
}

void TestForm1::endsProgram()
{
    QFETCH(bool, viaQuit);
    QTimer::singleShot(0, form.get(), [this, viaQuit] {
        if (viaQuit)
            QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        else
            form->close();
    });
    // A window that stays open must fail the test rather than hang it.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, qApp, [] { QApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
