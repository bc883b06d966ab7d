#include "keypad/keypad.h"

#include "directory/directory.h"

#include <stdexcept>
#include <utility>

namespace dialhour {

KeypadEntry::KeypadEntry(Clock clock)
    : clock(std::move(clock))
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
    ResultText += LineBreak + TimeLabel + ZoneTimeText(zone, ClockZoneByCode(AreaCode), clock());
    ResultText += LineBreak + StateLabel + StateByCode(AreaCode);
    ResultText += LineBreak + LocationLabel + LocationByCode(AreaCode);
}

} // namespace dialhour
