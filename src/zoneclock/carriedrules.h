#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The time-zone rules the program carries for its clocks, generated from the IANA database by
// scripts/update-zone-rules into carriedrules_data.cpp.
namespace dialhour::carried {

// From `at` (UTC seconds) on, the clock reads UTC plus `offsetMinutes`.
struct Change {
    std::int32_t at;
    std::int16_t offsetMinutes;
};

// A yearly change: the `week`th (5 = last) `weekday` (0 = Sunday) of `month`, at `seconds`
// after midnight on the clock in force before it.
struct YearlyRule {
    std::int8_t month = 0;
    std::int8_t week = 0;
    std::int8_t weekday = 0;
    std::int32_t seconds = 0;
};

struct Zone {
    std::string_view id;
    std::int32_t firstChange;
    std::int32_t changeCount;
    // What holds after the listed changes, every year: standard time, and daylight time
    // between `start` and `end` where `start.month` is not 0.
    std::int16_t standardMinutes;
    std::int16_t daylightMinutes;
    YearlyRule start;
    YearlyRule end;
};

// The listed changes run from 2000-01-01 up to this instant, 2038-01-01 00:00 UTC.
inline constexpr std::int64_t Horizon = 2145916800;

extern const char Version[];
// Sorted by id.
extern const std::span<const Zone> AllZones;
extern const std::span<const Change> AllChanges;

} // namespace dialhour::carried
