#include "ClockState.h"

#include "protocol/PrinterClock.h"

#include <QDateTime>

namespace norvane::sim {

namespace {

/// The printer's two-digit years are those of this century.
constexpr int kCentury = 2000;
constexpr std::array<std::pair<int, int>, 6> kFieldRanges{{{0, 99}, {1, 12}, {1, 31}, {0, 23}, {0, 59}, {0, 59}}};

ClockFields fieldsOf(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return {date.year() % 100, date.month(), date.day(), clock.hour(), clock.minute(), clock.second()};
}

} // namespace

ClockState::ClockState() : fields(fieldsOf(QDateTime::currentDateTime())), setAt(std::chrono::steady_clock::now())
{
}

ClockFields ClockReading(const ClockState& clock, std::chrono::steady_clock::time_point now)
{
    const auto& [year, month, date, hour, minute, second] = clock.fields;
    // Time zones play no part: the clock counts plain seconds.
    const QDateTime set(QDate(kCentury + year, month, date), QTime(hour, minute, second), Qt::UTC);
    if (!clock.running || !set.isValid())
        return clock.fields;
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - clock.setAt);
    return fieldsOf(set.addSecs(elapsed.count()));
}

bool SetClockField(ClockState& clock, int index, int value, std::chrono::steady_clock::time_point now)
{
    const auto [lowest, highest] = kFieldRanges.at(static_cast<std::size_t>(index));
    if (value < lowest || value > highest)
        return false;
    clock.fields = ClockReading(clock, now);
    clock.fields[static_cast<std::size_t>(index)] = value;
    clock.setAt = now;
    return true;
}

std::optional<ClockFields> ParseClockTime(const QString& text)
{
    const auto time = ParseClockSetting(text);
    if (!time || time->year < kCentury || time->year >= kCentury + 100)
        return std::nullopt;
    return ClockFields{time->year % 100, time->month, time->date, time->hour, time->minute, time->second};
}

} // namespace norvane::sim
