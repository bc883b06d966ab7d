#include "keypad/keypad.h"

#include "directory/directory.h"

#include <stdexcept>
#include <utility>

namespace dialhour {

KeypadEntry::KeypadEntry(Clock clock, ZoneRules::Source rules)
    : clock(std::move(clock))
    , rules(rules)
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
    QString lines;
    for (const OtherClock &other : OtherClocksByCode(AreaCode)) {
        const ClockRules otherRules =
            rules.forId(QByteArrayView(other.clockZone.data(), qsizetype(other.clockZone.size())));
        if (!otherRules.isValid())
            continue;
        const QString otherTime = ZoneTimeText(otherRules, now);
        if (otherTime == time)
            continue;
        QString places = QString::fromUtf8(other.places[0]);
        if (!other.places[1].empty())
            places += PlaceJoin + QString::fromUtf8(other.places[1]);
        lines += LineBreak + AlsoLabel + otherTime + u" (" + places + u')';
    }
    return lines;
}

} // namespace dialhour
