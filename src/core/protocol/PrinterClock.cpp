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

ClockSetting ClockSettingAt(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return {date.year(), date.month(), date.day(), clock.hour(), clock.minute(), clock.second()};
}

std::optional<ClockSetting> ParseClockSetting(QStringView text)
{
    // Date and time apart: a local time zone's missing hour must neither refuse nor move the time.
    constexpr qsizetype kLength = 19;
    constexpr qsizetype kDateLength = 10;
    if (text.size() != kLength || text[kDateLength] != u'T')
        return std::nullopt;
    const QDate date = QDate::fromString(text.first(kDateLength), u"yyyy-MM-dd");
    const QTime time = QTime::fromString(text.sliced(kDateLength + 1), u"HH:mm:ss");
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return ClockSettingAt(QDateTime(date, time, Qt::UTC));
}

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
