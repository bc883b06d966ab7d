#pragma once

#include "zoneclock/zoneclock.h"

#include <QString>

#include <functional>

namespace dialhour {

inline constexpr QLatin1StringView CodeLabel("Area Code:      ");
inline constexpr QLatin1StringView TimeLabel("Time:              ");
// Spaced so that its value lines up with the others' in the result box's font.
inline constexpr QLatin1StringView AlsoLabel("Also:               ");
inline constexpr QLatin1StringView PlaceJoin(" & ");
inline constexpr QLatin1StringView StateLabel("State:             ");
inline constexpr QLatin1StringView LocationLabel("Location:         ");
inline constexpr QLatin1StringView Apology("Sorry, no such area code");
// A code in service for no one place: its kind where a place's state would be.
inline constexpr QLatin1StringView ServiceLabel("Service:          ");
inline constexpr QLatin1StringView NoClock("none: not tied to one place");
inline constexpr QLatin1StringView LineBreak("\r\n");

// Turns digit presses into an area code and answers it once it has three significant digits.
class KeypadEntry {
public:
    using Clock = std::function<ClockReading()>;

    explicit KeypadEntry(Clock clock = ReadSystemClock,
                         ZoneRules::Source rules = ZoneRules::Carried);
    KeypadEntry(Clock clock, ZoneRules rules);

    // digit must be 0..9; anything else throws std::out_of_range and changes nothing.
    void DigitPressed(int digit);
    void ClearPressed();
    // Writes the answer on screen again from the clock, as its time moves on. Whether the text
    // changed; nothing changes unless answeredOnClock().
    bool ClockTicked();

    // Whether the text is an answer whose time follows the clock.
    bool answeredOnClock() const { return OnClock; }

    qint16 areaCode() const { return AreaCode; }
    bool startNewCode() const { return StartNewCode; }
    // Lines are separated by CR LF, with none at the end.
    const QString &resultText() const { return ResultText; }

private:
    void answer();
    // A line for each other clock of the code that reads differently from the code's own, whose
    // wall clock shows `ownMinute`.
    void appendOtherClockLines(int ownMinute, const QDateTime &now);

    Clock clock;
    ZoneRules rules;
    qint16 AreaCode = 0;
    bool StartNewCode = false;
    bool OnClock = false;
    QString ResultText;
};

} // namespace dialhour
