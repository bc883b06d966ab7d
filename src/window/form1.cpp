#include "window/form1.h"

#include "window/announcement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

// The layout is drawn in device-independent pixels; Qt scales it for high-density screens.
constexpr QSize ClientSize(288, 274);

constexpr std::array<QRect, 10> DigitGeometry{{
    {64, 216, 41, 29}, // 0 sits under 8, between "Clear" and "Quit"
    {16, 120, 41, 29},
    {64, 120, 41, 29},
    {112, 120, 41, 29},
    {16, 152, 41, 29},
    {64, 152, 41, 29},
    {112, 152, 41, 29},
    {16, 184, 41, 29},
    {64, 184, 41, 29},
    {112, 184, 41, 29},
}};

// Where Verdana is missing, the platform's own sans-serif stands in. Asking for Verdana there
// anyway would make the font system search for a substitute, a few milliseconds at start-up.
QFont verdana(QFont::Weight weight)
{
    static const bool installed =
        QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive);
    QFont font = QApplication::font();
    if (installed)
        font.setFamilies({QStringLiteral("Verdana")});
    font.setPointSizeF(8.25);
    font.setWeight(weight);
    return font;
}

QStringList noticeLines()
{
    // The words are translated; the addresses are not.
    return {QString(),
            Form1::tr("Register at"),
            QStringLiteral("quorvanta.example"),
            Form1::tr("to get updates"),
            Form1::tr("and support. Send"),
            Form1::tr("errors to "),
            QStringLiteral("bugs@quorvanta.example"),
            QString()};
}

// The font at the largest pixel size, from `base`'s own down to 7, at which `fits` holds; 7 where
// none does. `needed` is what the text takes at `base`'s size, against `room`. Widths grow almost
// in step with the size, so the search starts at the size in proportion rather than trying every
// size down: each size tried is a font loaded, which costs start-up. Below 7 pixels text is
// unreadable.
template <typename Fits>
QFont shrunkToFit(const QFont &base, qreal needed, qreal room, const Fits &fits)
{
    constexpr int smallest = 7;
    const int own = QFontInfo(base).pixelSize();
    if (own <= smallest || fits(base))
        return base;
    int pixels = std::clamp(int(own * room / needed), smallest, own - 1);
    QFont font = base;
    font.setPixelSize(pixels);
    while (pixels > smallest && !fits(font))
        font.setPixelSize(--pixels);
    return font;
}

// The notice box cannot grow, so it takes the largest pixel size of the platform's font at which
// every line fits whole, addresses included. Pixels, not points: the box is measured in pixels
// and must not overflow when the desktop's font DPI is raised. Where none fits, the notice
// would rather wrap between words.
QFont noticeFont(const QFont &base, QSizeF room)
{
    const auto widest = [](const QFont &font) {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString &line : noticeLines())
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    return shrunkToFit(base, widest(base), room.width(), [&](const QFont &font) {
        return widest(font) <= room.width() &&
               QFontMetricsF(font).lineSpacing() * noticeLines().size() <= room.height();
    });
}

// Whether `text` laid out as the result box lays it out, each line at `width`, shows every line
// on one row, all of them within `height`.
bool fitsUnwrapped(const QString &text, const QFont &font, qreal width, qreal height)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal used = 0;
    for (const QString &line : text.split(dialhour::LineBreak)) {
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine row = layout.createLine();
        row.setLineWidth(width);
        used += row.height();
        const bool wrapped = layout.createLine().isValid();
        layout.endLayout();
        if (wrapped || used > height)
            return false;
    }
    return true;
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        // Naming the format and skipping detection keeps Qt from loading every image plugin
        // to probe a file we already know.
        QImageReader reader(QStringLiteral(":/icons/dialhour-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Read-only, but its text can still be selected and copied with the mouse and the keyboard.
QPlainTextEdit *textBox(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return box;
}

// The answer as a screen reader should say it: its lines without the blank one or the runs of
// spaces that line the values up on screen.
QString spokenAnswer(const QString &result)
{
    QStringList lines;
    for (const QString &line : result.split(dialhour::LineBreak, Qt::SkipEmptyParts))
        lines << line.simplified();
    return lines.join(u'\n');
}

QPushButton *button(QWidget *parent, const QString &caption, const QString &name,
                    const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setGeometry(geometry);
    // The buttons cannot grow: a caption longer than English's ("Effacer", "Quitter") takes
    // the largest smaller size at which it fits whole.
    constexpr int margins = 8;
    const int room = geometry.width() - margins;
    const auto width = [&caption](const QFont &font) {
        return QFontMetrics(font).horizontalAdvance(caption);
    };
    const QFont font =
        shrunkToFit(button->font(), width(button->font()), room,
                    [&](const QFont &candidate) { return width(candidate) <= room; });
    if (font != button->font())
        button->setFont(font);
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

Form1::Form1(dialhour::KeypadEntry::Clock clock, dialhour::ZoneRules::Source rules, QWidget *parent)
    : QWidget(parent)
    , clock(clock)
    , keypad(std::move(clock), rules)
{
    installFormAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Dialhour"));
    setFixedSize(ClientSize);

    Label2 = new QLabel(tr("Please enter Area Code by clicking on the number pad:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAccessibleName(Label2->text());
    Label2->setFont(verdana(QFont::Bold));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(16, 0, 265, 33);
    // Said with the title when the window opens, before the first key of the pad.
    setAccessibleDescription(Label2->text());

    Text1 = textBox(this, "Text1", tr("Result"));
    resultFont = verdana(QFont::Normal);
    Text1->setFont(resultFont);
    // Its time is rewritten every minute, which would otherwise pile up edits to undo.
    Text1->setUndoRedoEnabled(false);
    Text1->setGeometry(16, 32, 257, 73);

    Command1 = new QButtonGroup(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    for (int digit = 0; digit < 10; ++digit) {
        const QString caption = QString::number(digit);
        Command1->addButton(
            button(this, caption, QStringLiteral("Command1_") + caption, DigitGeometry[digit]),
            digit);
    }
    Command2 = button(this, tr("Clear"), QStringLiteral("Command2"), {16, 216, 41, 29});
    Command3 = button(this, tr("Quit"), QStringLiteral("Command3"), {112, 216, 41, 29});

    Text2 = textBox(this, "Text2", tr("Notice"));
    Text2->setGeometry(168, 120, 113, 113);
    Text2->document()->setDocumentMargin(2);
    // Lines too long for the box wrap between words, never inside an address.
    Text2->setWordWrapMode(QTextOption::WordWrap);
    const qreal inset = 2 * (Text2->frameWidth() + Text2->document()->documentMargin());
    Text2->setFont(
        noticeFont(QApplication::font(Text2),
                   QSizeF(Text2->width() - inset - Text2->cursorWidth(), Text2->height() - inset)));
    Text2->setPlainText(noticeLines().join(QStringLiteral("\r\n")));
    // A colour forced on one side of a pair is forced on the other too, or a dark theme's light
    // text would land on the light grey.
    QPalette grey = Text2->palette();
    grey.setColor(QPalette::Base, QColor(192, 192, 192));
    grey.setColor(QPalette::Text, Qt::black);
    grey.setColor(QPalette::Highlight, QColor(0, 0, 128));
    grey.setColor(QPalette::HighlightedText, Qt::white);
    Text2->setPalette(grey);

    Label1 = new QLabel(QStringLiteral("Quorvanta"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(Label1->text());
    Label1->setAccessibleDescription(tr("Maker"));
    Label1->setFont(verdana(QFont::Bold));
    Label1->setGeometry(192, 248, 73, 17);

    // Keyboard users go round the pad as a telephone is read, then to the two boxes.
    QWidget *previous = Command1->button(1);
    for (int digit : {2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        setTabOrder(previous, Command1->button(digit));
        previous = Command1->button(digit);
    }
    for (QWidget *next : std::initializer_list<QWidget *>{Command2, Command3, Text1, Text2}) {
        setTabOrder(previous, next);
        previous = next;
    }

    announcement = new Announcement(this);

    // Once a minute, at the turn of the minute, and only while an answer with a time is shown.
    // A precise timer, as a coarse one may fire a little early and show the old minute again.
    minuteTimer = new QTimer(this);
    minuteTimer->setSingleShot(true);
    minuteTimer->setTimerType(Qt::PreciseTimer);
    connect(minuteTimer, &QTimer::timeout, this, &Form1::minuteTurned);

    // Typed keys work wherever the focus is, as on a desktop calculator: digits on the main row
    // and the numeric keypad, Backspace, Escape or Delete for Clear, and a pasted number.
    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    for (int digit = 0; digit < 10; ++digit)
        for (auto modifier : {Qt::NoModifier, Qt::KeypadModifier})
            shortcut(QKeySequence(modifier | Qt::Key(Qt::Key_0 + digit)),
                     [this, digit] { digitTyped(digit); });
    shortcut(QKeySequence(Qt::Key_Backspace), &Form1::backspaceTyped);
    for (auto key : {Qt::Key_Escape, Qt::Key_Delete})
        shortcut(QKeySequence(key), [this] {
            Command2->setDown(true);
            QTimer::singleShot(100, Command2, [this] { Command2->setDown(false); });
            clearClicked();
        });
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Paste))
        shortcut(keys, &Form1::pasteNumber);
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu *menu = Text1->createStandardContextMenu(at);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addAction(tr("Paste number"), this, &Form1::pasteNumber);
        menu->popup(Text1->viewport()->mapToGlobal(at));
    });

    connect(Command1, &QButtonGroup::idClicked, this, &Form1::digitClicked);
    connect(Command2, &QPushButton::clicked, this, &Form1::clearClicked);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
}

bool Form1::event(QEvent *event)
{
    // A machine that slept does not run the timer meanwhile: the time is brought up to date as
    // soon as the user is back.
    if (event->type() == QEvent::WindowActivate && minuteTimer->isActive())
        minuteTurned();
    if (event->type() == QEvent::WindowActivate && !promptAnnounced) {
        promptAnnounced = true;
        // After the reader has said the window and the focused key.
        QMetaObject::invokeMethod(
            this, [this] { announcement->announceOpening(Label2->text()); }, Qt::QueuedConnection);
    }
    // The icon is not needed to draw the window, so it is read once the window has been drawn.
    if (event->type() == QEvent::Paint && !iconRequested) {
        iconRequested = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                setWindowIcon(appIcon());
                emit drawn();
            },
            Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void Form1::digitClicked(int digit)
{
    keypad.DigitPressed(digit);
    showResult();
    // Only a whole answer is spoken: the digits before it are the keys just pressed.
    if (keypad.startNewCode())
        announceAnswer();
}

// The key is seen to press, as a click shows it; the digit counts at once, so that keys typed
// faster than the press is drawn are all counted.
void Form1::digitTyped(int digit)
{
    QAbstractButton *key = Command1->button(digit);
    key->setDown(true);
    QTimer::singleShot(100, key, [key] { key->setDown(false); });
    digitClicked(digit);
}

void Form1::backspaceTyped()
{
    keypad.BackspacePressed();
    showResult();
}

void Form1::pasteNumber()
{
    numberGiven(QApplication::clipboard()->text());
}

void Form1::numberGiven(const QString &text)
{
    keypad.NumberGiven(text);
    showResult();
    announceAnswer();
}

void Form1::announceAnswer()
{
    announcement->announce(spokenAnswer(keypad.resultText()));
}

void Form1::clearClicked()
{
    keypad.ClearPressed();
    showResult();
}

void Form1::minuteTurned()
{
    if (keypad.ClockTicked())
        showTimeChange();
    followClock();
}

void Form1::showResult()
{
    fitResult();
    Text1->setPlainText(keypad.resultText());
    followClock();
}

// The box cannot grow, so an answer too long for it at the usual size, as a code's several
// clocks' or a translation's longer words may be, takes the largest smaller size at which every
// line is in view on a row of its own: a wrapped half would stand in the labels' column. Below 7
// pixels text is unreadable, and the box would rather wrap or scroll.
void Form1::fitResult()
{
    const QString &text = keypad.resultText();
    const qreal margin = 2 * Text1->document()->documentMargin();
    const qreal width = Text1->viewport()->width() - margin - Text1->cursorWidth();
    const qreal room = Text1->viewport()->height() - margin;
    QFont font = resultFont;
    constexpr int smallest = 7;
    for (int pixels = QFontInfo(resultFont).pixelSize();
         pixels > smallest && !fitsUnwrapped(text, font, width, room);)
        font.setPixelSize(--pixels);
    if (font != Text1->font())
        Text1->setFont(font);
}

void Form1::followClock()
{
    if (keypad.answeredOnClock())
        minuteTimer->start(dialhour::MsecsToNextMinute(clock().now));
    else
        minuteTimer->stop();
}

// Only the characters that changed are replaced, so the box keeps its scroll position and any
// selection, and a screen reader is told of no more than the change. Nothing is announced: the
// answer was said when it was asked for.
void Form1::showTimeChange()
{
    const QString shown = Text1->toPlainText();
    QString wanted = keypad.resultText();
    wanted.replace(dialhour::LineBreak, QStringLiteral("\n"));
    const qsizetype most = std::min(shown.size(), wanted.size());
    qsizetype head = 0;
    while (head < most && shown[head] == wanted[head])
        ++head;
    qsizetype tail = 0;
    while (tail < most - head && shown[shown.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;
    QTextCursor edit(Text1->document());
    edit.setPosition(int(head));
    edit.setPosition(int(shown.size() - tail), QTextCursor::KeepAnchor);
    edit.insertText(wanted.sliced(head, wanted.size() - head - tail));
    fitResult();
}
