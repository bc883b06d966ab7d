#pragma once

#include "directory/directory.h"
#include "zoneclock/zoneclock.h"

#include <QCoreApplication>
#include <QString>

#include <QList>

#include <functional>
#include <optional>

namespace dialhour {

// The answer's texts as English writes them, the source of their translations.
inline constexpr QLatin1StringView CodeLabel(QT_TRANSLATE_NOOP("Answer", "Area Code:      "));
inline constexpr QLatin1StringView TimeLabel(QT_TRANSLATE_NOOP("Answer", "Time:              "));
// Spaced so that its value lines up with the others' in the result box's font.
inline constexpr QLatin1StringView AlsoLabel(QT_TRANSLATE_NOOP("Answer", "Also:               "));
// Joins the last two places of a list, the directory's own lists included; translated as each
// language joins them ("et", "y").
inline constexpr QLatin1StringView PlaceJoin(" & ");
inline constexpr QLatin1StringView StateLabel(QT_TRANSLATE_NOOP("Answer", "State:             "));
inline constexpr QLatin1StringView LocationLabel(QT_TRANSLATE_NOOP("Answer", "Location:         "));
inline constexpr QLatin1StringView Apology(QT_TRANSLATE_NOOP("Answer", "Sorry, no such area code"));
// A code in service for no one place: its kind where a place's state would be.
inline constexpr QLatin1StringView ServiceLabel(QT_TRANSLATE_NOOP("Answer", "Service:          "));
inline constexpr QLatin1StringView NoClock(QT_TRANSLATE_NOOP("Answer",
                                                             "none: not tied to one place"));
inline constexpr QLatin1StringView LineBreak("\r\n");
// What text given to the window as a number gets where it holds none of the plan's.
inline constexpr QLatin1StringView
    NoNumber(QT_TRANSLATE_NOOP("Answer", "No North American telephone number there"));

// The answer's words in the language the program speaks, and how it writes the time.
struct Wording {
    QString code, time, also, state, location, service, apology, noClock, noNumber, join;
    TimeWriting timeWriting;
    // The language places are named in; unset: as English names them.
    std::optional<PlaceLanguage> places;
    // Each kind of service code as English names it, and as this language does.
    QList<std::pair<QLatin1StringView, QString>> kinds;

    // From the translations installed now: English, exactly as above, where there are none;
    // elsewhere the time as the default locale writes short times.
    static Wording current();
    // A kind of service, as ServiceByCode names it.
    QString serviceKind(QLatin1StringView kind) const;
};

// A number of the plan as given: its area code, and its exchange (the three digits after it), 0
// where none was given or it cannot exist.
struct PlanNumber {
    int areaCode = 0;
    int exchange = 0;
    // Every digit read, letters as the keypad's: ten for a whole number, three for a code.
    QString digits;
};

// The North American number that a person reading `text` would dial, as people copy them:
// "+1 (212) 555-0100", "1.212.555.0100", "00 1 212 555 0100", "tel:+1-212-555-0100;ext=204",
// "1-800-FLOWERS", full-width forms, or three digits alone. Numbers of other countries are read
// past; a telephone goes before a fax where the text labels them. Unset where there is none. Any
// text, of any length, is read once through.
std::optional<PlanNumber> NumberInText(QStringView text);

// A tel: link that NumberInText reads as the number it reads in `text`, whatever the text's
// length: how a number crosses to another process.
QString PlanLink(QStringView text);

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
    // Takes back the last digit of the code shown, answered or not, so that a wrong last digit
    // is mended by one more key; the only digit taken back leaves the box empty, as Clear
    // does. Nothing else is shown when no code is.
    void BackspacePressed();
    // A number from outside the pad: its area code is keyed afresh, whatever was half keyed,
    // or the box says there is no number. Where the table knows its exchange, the answer is the
    // exchange's: its place and its clock alone.
    void NumberGiven(QStringView text);
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
    // The answer for Exchange; false, and nothing written, where its place has no sure clock.
    bool answerExchange();
    // A line for each other clock of the code that reads differently from the code's own, whose
    // wall clock shows `ownMinute`.
    void appendOtherClockLines(int ownMinute, const QDateTime &now);
    // A State or Location line's places as the language names them and joins its last two.
    QString placesText(const QString &english) const;

    Clock clock;
    ZoneRules rules;
    Wording words = Wording::current();
    qint16 AreaCode = 0;
    // The exchange of a number given whole, answered with AreaCode; 0 for none.
    int Exchange = 0;
    bool StartNewCode = false;
    bool OnClock = false;
    // Whether the text shows AreaCode, keyed or answered.
    bool ShowsCode = false;
    QString ResultText;
};

} // namespace dialhour
