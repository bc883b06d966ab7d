#include "keypad/keypad.h"

#include "directory/directory.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <utility>

namespace dialhour {
namespace {

constexpr char Context[] = "Answer";
constexpr struct {
    const char *source, *comment;
} Within = QT_TRANSLATE_NOOP3("Answer", ".", "after a time within calling hours");
constexpr char Outside[] = QT_TRANSLATE_NOOP("Answer", ". DO NOT CALL.");
constexpr struct {
    const char *source, *comment;
} Join = QT_TRANSLATE_NOOP3("Answer", " & ", "between the last two places of a list");
// The kinds of service codes that the directory's services.tsv names.
constexpr const char *ServiceKinds[] = {
    QT_TRANSLATE_NOOP("Answer", "Toll-free"),
    QT_TRANSLATE_NOOP("Answer", "Premium-rate (calls cost extra)"),
    QT_TRANSLATE_NOOP("Answer", "Non-geographic services"),
    QT_TRANSLATE_NOOP("Answer", "Canadian non-geographic services"),
    QT_TRANSLATE_NOOP("Answer", "Long-distance carriers"),
};

QString translated(QLatin1StringView text)
{
    return QCoreApplication::translate(Context, text.data());
}

} // namespace

Wording Wording::current()
{
    Wording words{translated(CodeLabel),
                  translated(TimeLabel),
                  translated(AlsoLabel),
                  translated(StateLabel),
                  translated(LocationLabel),
                  translated(ServiceLabel),
                  translated(Apology),
                  translated(NoClock),
                  translated(NoNumber),
                  QCoreApplication::translate(Context, Join.source, Join.comment),
                  {},
                  {},
                  {}};
    for (const char *kind : ServiceKinds)
        words.kinds.append({QLatin1StringView(kind), QCoreApplication::translate(Context, kind)});
    const QString outside = QCoreApplication::translate(Context, Outside);
    // English keeps the program's own time text and names, whatever the locale.
    if (outside != QLatin1StringView(Outside)) {
        words.timeWriting = {QLocale(),
                             QCoreApplication::translate(Context, Within.source, Within.comment),
                             outside};
        if (QLocale().language() == QLocale::French)
            words.places = PlaceLanguage::French;
        else if (QLocale().language() == QLocale::Spanish)
            words.places = PlaceLanguage::Spanish;
    }
    return words;
}

QString Wording::serviceKind(QLatin1StringView kind) const
{
    const auto found = std::find_if(kinds.begin(), kinds.end(),
                                    [kind](const auto &known) { return known.first == kind; });
    return found == kinds.end() ? QString(kind) : found->second;
}

KeypadEntry::KeypadEntry(Clock clock, ZoneRules::Source rules)
    : KeypadEntry(std::move(clock), ZoneRules(rules))
{
}

KeypadEntry::KeypadEntry(Clock clock, ZoneRules rules)
    : clock(std::move(clock))
    , rules(std::move(rules))
{
}

void KeypadEntry::DigitPressed(int digit)
{
    if (digit < 0 || digit > 9)
        throw std::out_of_range("digit " + std::to_string(digit) + " is not 0..9");
    if (StartNewCode) {
        AreaCode = 0;
        StartNewCode = false;
        Exchange = 0;
    }
    OnClock = false;
    // Every code above 99 is answered and then discarded, so the next value stays within
    // 0..999; a broken invariant must not become a wrong lookup.
    if (AreaCode < 0 || AreaCode > 99)
        throw std::logic_error("area code " + std::to_string(AreaCode) + " left 0..99");
    AreaCode = qint16(AreaCode * 10 + digit);

    ResultText = words.code + QString::number(AreaCode);
    ShowsCode = true;
    if (AreaCode <= 99)
        return;
    answer();
    StartNewCode = true;
}

void KeypadEntry::ClearPressed()
{
    ResultText.clear();
    StartNewCode = true;
    Exchange = 0;
    OnClock = false;
    ShowsCode = false;
}

void KeypadEntry::BackspacePressed()
{
    if (!ShowsCode)
        return;
    const int shorter = AreaCode / 10;
    if (shorter == 0) {
        ClearPressed();
        return;
    }
    ClearPressed();
    for (QChar digit : QString::number(shorter))
        DigitPressed(digit.digitValue());
}

void KeypadEntry::NumberGiven(QStringView text)
{
    ClearPressed();
    const std::optional<PlanNumber> number = NumberInText(text);
    if (!number) {
        ResultText = words.noNumber;
        return;
    }
    const QString digits = QString::number(number->areaCode);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        // Before the last digit, which answers, and after the first, which starts a new code.
        if (i == digits.size() - 1)
            Exchange = number->exchange;
        DigitPressed(digits[i].digitValue());
    }
}

bool KeypadEntry::ClockTicked()
{
    if (!OnClock)
        return false;
    const QString before = ResultText;
    ResultText = words.code + QString::number(AreaCode);
    answer();
    return ResultText != before;
}

void KeypadEntry::answer()
{
    if (Exchange && answerExchange())
        return;
    const QLatin1StringView zone = ZoneByCode(AreaCode);
    if (zone.isEmpty()) {
        const QLatin1StringView service = ServiceByCode(AreaCode);
        if (service.isEmpty())
            ResultText += LineBreak + LineBreak + words.apology;
        else
            ResultText += LineBreak + words.time + words.noClock + LineBreak + words.service +
                          words.serviceKind(service);
        return;
    }
    OnClock = true;
    const ClockReading now = clock();
    const ClockRules own = rules.forId(ClockZoneByCode(AreaCode));
    ResultText.reserve(256); // the longest answer, in one allocation
    ResultText += LineBreak + words.time + ZoneTimeText(zone, own, now, words.timeWriting);
    // Without rules for the code's own clock the time is only an estimate from its zone name,
    // which cannot tell one part of a code from another.
    if (own.isValid())
        appendOtherClockLines(WallMinute(own, now.now), now.now);
    ResultText += LineBreak + words.state + placesText(StateByCode(AreaCode));
    ResultText += LineBreak + words.location + placesText(LocationByCode(AreaCode));
}

QString KeypadEntry::placesText(const QString &english) const
{
    if (!words.places)
        return english;
    // Each place between the commas and the join, its padding dropped, named in the language.
    const QString text = english.trimmed();
    QString out;
    for (qsizetype at = 0;;) {
        const qsizetype comma = text.indexOf(u", ", at), join = text.indexOf(PlaceJoin, at);
        const qsizetype next = comma < 0 ? join : join < 0 ? comma : std::min(comma, join);
        out += PlaceNameIn(QStringView(text).sliced(at, (next < 0 ? text.size() : next) - at),
                           *words.places);
        if (next < 0)
            return out;
        out += next == join ? words.join : QStringLiteral(", ");
        at = next + (next == join ? PlaceJoin.size() : 2);
    }
}

bool KeypadEntry::answerExchange()
{
    const std::optional<ExchangePlace> exchange = ExchangeByNumber(AreaCode, Exchange);
    if (!exchange)
        return false;
    const ClockRules own = rules.forId(exchange->clockZone);
    if (!own.isValid())
        return false;
    OnClock = true;
    ResultText += LineBreak + words.time + ZoneTimeText(own, clock().now, words.timeWriting);
    ResultText += LineBreak + words.state + placesText(StateByCode(AreaCode));
    ResultText += LineBreak + words.location + placesText(exchange->place);
    return true;
}

void KeypadEntry::appendOtherClockLines(int ownMinute, const QDateTime &now)
{
    // Other clocks that read alike share one line, whose places are each clock's best known
    // first, so that both regions are named.
    struct Line {
        int minute = 0;
        std::array<const OtherClock *, 4> clocks{};
        int count = 0;
    };
    std::array<Line, 4> shown;
    int lines = 0;
    for (const OtherClock &other : OtherClocksByCode(AreaCode)) {
        const ClockRules otherRules =
            rules.forId(QByteArrayView(other.clockZone.data(), qsizetype(other.clockZone.size())));
        if (!otherRules.isValid())
            continue;
        const int minute = WallMinute(otherRules, now);
        if (minute == ownMinute)
            continue;
        auto line = std::find_if(shown.begin(), shown.begin() + lines,
                                 [minute](const Line &l) { return l.minute == minute; });
        if (line == shown.begin() + lines) {
            if (lines == int(shown.size()))
                break;
            line->minute = minute;
            ++lines;
        }
        if (line->count < int(line->clocks.size()))
            line->clocks[std::size_t(line->count++)] = &other;
    }
    for (const Line &line : std::span(shown).first(std::size_t(lines))) {
        ResultText += LineBreak + words.also +
                      FormatZoneTime(line.minute / 60, line.minute % 60, words.timeWriting) + u" (";
        int named = 0;
        for (std::size_t rank = 0; rank < 2; ++rank)
            for (const OtherClock *clock : std::span(line.clocks).first(std::size_t(line.count))) {
                const std::string_view place = clock->places[rank];
                if (place.empty() || named == 2)
                    continue;
                if (named++)
                    ResultText += words.join;
                const QString name = QString::fromUtf8(place.data(), qsizetype(place.size()));
                ResultText += words.places ? PlaceNameIn(name, *words.places) : name;
            }
        ResultText += u')';
    }
}

} // namespace dialhour
