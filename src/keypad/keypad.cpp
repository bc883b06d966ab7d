#include "keypad/keypad.h"

#include "directory/directory.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <utility>

namespace dialhour {

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
    }
    // Every code above 99 is answered and then discarded, so the next value stays within
    // 0..999; a broken invariant must not become a wrong lookup.
    if (AreaCode < 0 || AreaCode > 99)
        throw std::logic_error("area code " + std::to_string(AreaCode) + " left 0..99");
    AreaCode = qint16(AreaCode * 10 + digit);

    ResultText = CodeLabel + QString::number(AreaCode);
    if (AreaCode <= 99)
        return;
    answer();
    StartNewCode = true;
}

void KeypadEntry::ClearPressed()
{
    ResultText.clear();
    StartNewCode = true;
}

void KeypadEntry::answer()
{
    const QLatin1StringView zone = ZoneByCode(AreaCode);
    if (zone.isEmpty()) {
        ResultText += LineBreak + LineBreak + Apology;
        return;
    }
    const ClockReading now = clock();
    const ClockRules own = rules.forId(ClockZoneByCode(AreaCode));
    const QString time = ZoneTimeText(zone, own, now);
    ResultText += LineBreak + TimeLabel + time;
    // Without rules for the code's own clock the time is only an estimate from its zone name,
    // which cannot tell one part of a code from another.
    if (own.isValid())
        ResultText += otherClockLines(time, now.now);
    ResultText += LineBreak + StateLabel + StateByCode(AreaCode);
    ResultText += LineBreak + LocationLabel + LocationByCode(AreaCode);
}

QString KeypadEntry::otherClockLines(const QString &time, const QDateTime &now) const
{
    // Other clocks that read alike share one line, whose places are each clock's best known
    // first, so that both regions are named.
    struct Line {
        QString time;
        std::array<std::array<std::string_view, 2>, 4> places{};
        int clocks = 0;
    };
    std::array<Line, 4> shown;
    int count = 0;
    for (const OtherClock &other : OtherClocksByCode(AreaCode)) {
        const ClockRules otherRules =
            rules.forId(QByteArrayView(other.clockZone.data(), qsizetype(other.clockZone.size())));
        if (!otherRules.isValid())
            continue;
        QString otherTime = ZoneTimeText(otherRules, now);
        if (otherTime == time)
            continue;
        auto line = std::find_if(shown.begin(), shown.begin() + count,
                                 [&](const Line &l) { return l.time == otherTime; });
        if (line == shown.begin() + count) {
            if (count == int(shown.size()))
                break;
            line->time = std::move(otherTime);
            ++count;
        }
        if (line->clocks < int(line->places.size()))
            line->places[std::size_t(line->clocks++)] = other.places;
    }
    QString lines;
    for (const Line &line : std::span(shown).first(std::size_t(count))) {
        QString places;
        int named = 0;
        for (std::size_t rank = 0; rank < 2; ++rank)
            for (int clock = 0; clock < line.clocks && named < 2; ++clock) {
                const std::string_view place = line.places[std::size_t(clock)][rank];
                if (place.empty())
                    continue;
                if (named++)
                    places += PlaceJoin;
                places += QString::fromUtf8(place.data(), qsizetype(place.size()));
            }
        lines += LineBreak + AlsoLabel + line.time + u" (" + places + u')';
    }
    return lines;
}

} // namespace dialhour
