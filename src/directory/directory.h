#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>

#include <optional>

namespace dialhour {

// Area codes index the directory directly; every read outside this range throws
// std::out_of_range instead of reading past the tables.
inline constexpr int FirstCode = 0;
inline constexpr int LastCode = 999;

// Where a listed code's row comes from: the original list of 296 codes (mended where it was
// plainly wrong), or the codes opened since, current to mid-2026.
enum class Origin { Classic, Since };

// Unset for a code that is not listed.
std::optional<Origin> OriginByCode(int code);

// Empty for a code that is not listed: a code is listed exactly when its zone is non-empty.
QLatin1StringView ZoneByCode(int code);
// The IANA id of the zone whose wall clock the code keeps; empty for a code that is not listed.
QByteArrayView ClockZoneByCode(int code);
QLatin1StringView StateByCode(int code);
// May be empty for a listed code; leading and trailing spaces are part of the text.
QLatin1StringView LocationByCode(int code);

} // namespace dialhour
