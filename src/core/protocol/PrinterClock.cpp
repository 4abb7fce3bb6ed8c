#include "protocol/PrinterClock.h"

#include "protocol/CommandFormat.h"
#include "protocol/LinkedOperation.h"
#include "protocol/ReplyFraming.h"

#include <array>
#include <utility>

namespace norvane {

namespace {

/// The report keys and setting names in the order they are read and sent.
std::array<std::pair<const char*, std::int32_t ClockSetting::*>, 6> clockFields()
{
    return {{
        {"YEAR", &ClockSetting::year},
        {"MONTH", &ClockSetting::month},
        {"DATE", &ClockSetting::date},
        {"HOUR", &ClockSetting::hour},
        {"MINUTE", &ClockSetting::minute},
        {"SECOND", &ClockSetting::second},
    }};
}

} // namespace

ResultCode ReadClock(PrinterLink& link, ClockSetting& clock)
{
    if (const ResultCode announced = Announce(link); announced != ResultCode::Success)
        return announced;
    for (const auto& [key, field] : clockFields()) {
        QByteArray reply;
        const ResultCode result = Exchange(link, "DIAGNOSTIC REPORT " + QByteArray(key) + "\r\n", reply);
        if (result != ResultCode::Success)
            return result;
        clock.*field = ReplyNumber(reply);
    }
    return ResultCode::Success;
}

QByteArray ClockSettingText(const ClockSetting& clock)
{
    QByteArray text;
    for (const auto& [key, field] : clockFields()) {
        // The printer keeps a two-digit year; C's remainder keeps the sign of a negative entry.
        const std::int32_t value = field == &ClockSetting::year ? clock.year % 100 : clock.*field;
        text += '@' + QByteArray(key) + " = " + Quoted(QByteArray::number(value), key) + "\r\n";
    }
    return text;
}

ResultCode SetClock(PrinterLink& link, const ClockSetting& clock)
{
    return SendCommand(link, ClockSettingText(clock));
}

void RegisterClockOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::ReadClock>(dispatcher, ReadClock);
    RegisterOverLink<OperationCode::SetClock>(dispatcher, SetClock);
}

} // namespace norvane
