#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <optional>

namespace norvane::sim {

/// The real-time clock's six fields in the order the printer reports them: year (two digits), month, date,
/// hour, minute, second.
using ClockFields = std::array<int, 6>;

/// The printer's real-time clock: the fields as last set, and the moment they were. A running clock moves on
/// from there; a stopped one answers the same time at every read, for tests that compare it.
struct ClockState
{
    ClockState();

    ClockFields fields{};
    std::chrono::steady_clock::time_point setAt;
    bool running = true;
};

/// What the clock shows at `now`. Fields that are no valid date and time (the printer was told so) stand still.
ClockFields ClockReading(const ClockState& clock, std::chrono::steady_clock::time_point now);

/// Sets field `index` (0 year … 5 second) from `now` on; false, changing nothing, when the value is outside the
/// field's range.
bool SetClockField(ClockState& clock, int index, int value, std::chrono::steady_clock::time_point now);

/// "YYYY-MM-DDTHH:MM:SS" as the clock's fields, or nothing for another text or a date that does not exist.
std::optional<ClockFields> ParseClockTime(const QString& text);

} // namespace norvane::sim
