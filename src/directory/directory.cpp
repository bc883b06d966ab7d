#include "directory/directory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dialhour {
namespace {

struct Row {
    int code;
    Origin origin;
    std::string_view state;
    std::string_view zone;
    // The IANA zone of the place where most of the code's numbers are today.
    std::string_view clockZone;
    std::string_view location;
};

// A code that answers exactly as its parent, whose area it overlays: only the code differs.
struct Overlay {
    int code;
    int parent;
};

// A code in service that belongs to no place, such as a toll-free one.
struct Service {
    int code;
    std::string_view kind;
};

// A code whose numbers share the area, and so the other clocks, of the area's first code.
struct SameArea {
    int code;
    int area;
};

// The places of exchanges, sharing one text.
// A place's name as English writes it, then as French and Spanish do.
struct PlaceName {
    std::string_view english;
    std::array<std::string_view, 2> other;
};

struct PlaceSpan {
    std::uint32_t offset;
    std::uint8_t length;
    std::uint8_t zone;
};

using enum Origin;

// The product's content, shown exactly as stored: generated from the tables in this folder by
// scripts/generate-directory, which refuses a bad row with its file and line (docs/directory.md).
#include "directory_data.inc"

static_assert(std::size(ExchangePlaces) <= 65536, "an exchange's place is held in 16 bits");
static_assert(std::size(ExchangeNumbers) == std::size(ExchangePlaceOf));
static_assert(std::ranges::is_sorted(ExchangeNumbers), "exchanges are looked up by halving");

constexpr int NoRow = -1;

// Where each code's answer comes from: its own row or, for an overlay, its parent's.
struct Index {
    std::array<short, LastCode + 1> row{};
    std::array<bool, LastCode + 1> overlay{};
};

// Built by the compiler, so there is nothing to load at start-up.
constexpr Index ByCode = [] {
    Index index;
    index.row.fill(NoRow);
    for (int i = 0; i < int(std::size(Rows)); ++i)
        index.row[std::size_t(Rows[i].code)] = short(i);
    for (const Overlay &overlay : Overlays) {
        index.row[std::size_t(overlay.code)] = index.row[std::size_t(overlay.parent)];
        index.overlay[std::size_t(overlay.code)] = true;
    }
    return index;
}();

// Each row's other clocks as a run of OtherClocks: first entry and count. A code of a shared
// area points at the area's run, so the codes of an area cannot drift apart.
constexpr auto OtherClocksByRow = [] {
    std::array<std::pair<short, short>, std::size(Rows)> runs{};
    for (int i = 0; i < int(std::size(OtherClocks)); ++i) {
        auto &run = runs[std::size_t(ByCode.row[std::size_t(OtherClocks[i].area)])];
        if (run.second == 0)
            run.first = short(i);
        ++run.second;
    }
    for (const SameArea &same : SameAreas)
        runs[std::size_t(ByCode.row[std::size_t(same.code)])] =
            runs[std::size_t(ByCode.row[std::size_t(same.area)])];
    return runs;
}();

const Row *rowFor(int code)
{
    if (code < FirstCode || code > LastCode)
        throw std::out_of_range("area code " + std::to_string(code) + " is outside 0..999");
    const int i = ByCode.row[code];
    return i == NoRow ? nullptr : &Rows[i];
}

QLatin1StringView view(std::string_view s)
{
    return QLatin1StringView(s.data(), qsizetype(s.size()));
}

} // namespace

std::optional<Origin> OriginByCode(int code)
{
    const Row *row = rowFor(code);
    if (!row)
        return std::nullopt;
    return ByCode.overlay[code] ? Since : row->origin;
}

QLatin1StringView ZoneByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->zone) : QLatin1StringView();
}

QByteArrayView ClockZoneByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? QByteArrayView(row->clockZone.data(), qsizetype(row->clockZone.size()))
               : QByteArrayView();
}

QLatin1StringView StateByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? view(row->state) : QLatin1StringView();
}

std::span<const OtherClock> OtherClocksByCode(int code)
{
    if (!rowFor(code))
        return {};
    const auto [first, count] = OtherClocksByRow[std::size_t(ByCode.row[code])];
    return std::span(OtherClocks).subspan(std::size_t(first), std::size_t(count));
}

QString LocationByCode(int code)
{
    const Row *row = rowFor(code);
    return row ? QString::fromUtf8(row->location.data(), qsizetype(row->location.size()))
               : QString();
}

QString PlaceNameIn(QStringView english, PlaceLanguage language)
{
    const QByteArray utf8 = english.toUtf8();
    const std::string_view key(utf8.data(), std::size_t(utf8.size()));
    const auto found = std::lower_bound(
        std::begin(PlaceNames), std::end(PlaceNames), key,
        [](const PlaceName &name, std::string_view wanted) { return name.english < wanted; });
    if (found == std::end(PlaceNames) || found->english != key)
        return english.toString();
    const std::string_view name = found->other[std::size_t(language)];
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

std::optional<ExchangePlace> ExchangeByNumber(int code, int exchange)
{
    if (code < FirstCode || code > LastCode || exchange < 0 || exchange > 999)
        return std::nullopt;
    const std::int32_t number = code * 1000 + exchange;
    const auto found = std::lower_bound(std::begin(ExchangeNumbers), std::end(ExchangeNumbers), number);
    if (found == std::end(ExchangeNumbers) || *found != number)
        return std::nullopt;
    const PlaceSpan &place = ExchangePlaces[ExchangePlaceOf[found - std::begin(ExchangeNumbers)]];
    const std::string_view zone = ExchangeZones[place.zone];
    return ExchangePlace{
        QByteArrayView(zone.data(), qsizetype(zone.size())),
        QString::fromUtf8(ExchangePlaceText + place.offset, place.length)};
}

QLatin1StringView ServiceByCode(int code)
{
    if (rowFor(code))
        return {};
    const auto found = std::lower_bound(
        std::begin(Services), std::end(Services), code,
        [](const Service &service, int wanted) { return service.code < wanted; });
    return found != std::end(Services) && found->code == code ? view(found->kind)
                                                              : QLatin1StringView();
}

} // namespace dialhour
