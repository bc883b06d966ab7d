#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace dialhour {

// Area codes index the directory directly; every read outside this range throws
// std::out_of_range instead of reading past the tables.
inline constexpr int FirstCode = 0;
inline constexpr int LastCode = 999;

// Where a listed code's row comes from: the original list of 296 codes (mended where it was
// plainly wrong), or the codes opened since, overlays included.
enum class Origin { Classic, Since };

// Unset for a code that is not listed.
std::optional<Origin> OriginByCode(int code);

// Empty for a code that is not listed: a code is listed exactly when its zone is non-empty.
QLatin1StringView ZoneByCode(int code);
// The IANA id of the zone whose wall clock the code keeps; empty for a code that is not listed.
QByteArrayView ClockZoneByCode(int code);
QLatin1StringView StateByCode(int code);
// A clock that some of a code's numbers keep besides the code's own.
struct OtherClock {
    // The first code of the area whose numbers keep this clock; every code of the area shares it.
    int area;
    // The IANA id of a zone that keeps this clock.
    std::string_view clockZone;
    // UTF-8, best known first; the second may be empty.
    std::array<std::string_view, 2> places;
};

// In the order they are shown; empty for most codes and for unlisted ones.
std::span<const OtherClock> OtherClocksByCode(int code);

// May be empty for a listed code; leading and trailing spaces are part of the text. Places keep
// their own spelling (Utqiaġvik), so this is not Latin-1 like the other texts.
QString LocationByCode(int code);

// Where the numbers of one exchange (the three digits after the area code) are.
struct ExchangePlace {
    // The IANA id of the zone at the place.
    QByteArrayView clockZone;
    // As the window shows it, such as "Tallahassee, FL".
    QString place;
};

// Unset for an exchange whose place, or whose place's clock, is not known for sure, and for any
// exchange outside 0..999.
std::optional<ExchangePlace> ExchangeByNumber(int code, int exchange);

// The languages the directory writes its places in besides English.
enum class PlaceLanguage { French, Spanish };

// One place (a state, province, territory, country or town) or a whole State line, as
// `language` writes it: "Floride", "Montréal"; as English writes it where the directory knows no
// other form.
QString PlaceNameIn(QStringView english, PlaceLanguage language);

// What kind of code an unlisted code that NANPA has in service for no one place is, such as
// "Toll-free"; empty for every other code.
QLatin1StringView ServiceByCode(int code);

} // namespace dialhour
