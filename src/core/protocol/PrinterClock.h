#pragma once

#include "protocol/ResultCode.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace norvane {

class CommandDispatcher;
class PrinterLink;

/// The printer's real-time clock as read, entered or taken from the PC. Nothing checks the ranges: the
/// values go to the printer as they are.
struct ClockSetting
{
    std::int32_t year = 0; ///< the PC's time gives the full year; the printer is sent the last two digits
    std::int32_t month = 0;
    std::int32_t date = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
    /// The clock dialog was left with Set.
    bool confirmed = false;
};

/// The six fields of a local time, the year in full.
ClockSetting ClockSettingAt(const QDateTime& time);

/// "YYYY-MM-DDTHH:MM:SS" naming a date and time that exist, or nothing.
std::optional<ClockSetting> ParseClockSetting(QStringView text);

/// Operation 9: the announcement, then the six reports from YEAR to SECOND. The first failing exchange ends
/// it with its code; the fields read before it keep their values.
ResultCode ReadClock(PrinterLink& link, ClockSetting& clock);

/// The six "@YEAR = "26"" lines of operation 8, the year modulo 100.
QByteArray ClockSettingText(const ClockSetting& clock);

/// Operation 8: the six lines in one write; nothing is read, so it runs on LPT too.
ResultCode SetClock(PrinterLink& link, const ClockSetting& clock);

/// Puts operations 8 and 9 into the dispatcher's table.
void RegisterClockOperations(CommandDispatcher& dispatcher);

} // namespace norvane
