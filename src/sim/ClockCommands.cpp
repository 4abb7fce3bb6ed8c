#include "ClockCommands.h"

#include "CommandArguments.h"

namespace norvane::sim {

namespace {

const QByteArray kReportPrefix = "DIAGNOSTIC REPORT ";
const char* const kFieldNames[] = {"YEAR", "MONTH", "DATE", "HOUR", "MINUTE", "SECOND"};

/// The field a command names after its prefix, or −1.
int fieldIndex(QByteArrayView name)
{
    for (int index = 0; index < 6; ++index) {
        if (name == kFieldNames[index])
            return index;
    }
    return -1;
}

} // namespace

QList<QByteArray> ClockCommands::keys() const
{
    QList<QByteArray> keys;
    for (const char* name : kFieldNames)
        keys << kReportPrefix + name << '@' + QByteArray(name);
    return keys;
}

void ClockCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    const auto now = std::chrono::steady_clock::now();
    if (command.text.startsWith(kReportPrefix)) {
        const int index = fieldIndex(QByteArrayView(command.text).sliced(kReportPrefix.size()));
        if (index < 0)
            return;
        // Two digits each, as the clock's registers hold them.
        const int value = ClockReading(state.clock, now)[static_cast<std::size_t>(index)];
        replies.append({Frame(QByteArray::number(value).rightJustified(2, '0')), true});
        return;
    }
    const qsizetype blank = command.text.indexOf(' ');
    const int index = fieldIndex(QByteArrayView(command.text).first(blank < 0 ? command.text.size() : blank).sliced(1));
    const QList<QByteArray> values = QuotedValues(command.text);
    bool isNumber = false;
    const int value = values.size() == 1 ? values.first().toInt(&isNumber) : 0;
    if (index < 0 || !isNumber || !SetClockField(state.clock, index, value, now))
        state.remark("ignored");
}

} // namespace norvane::sim
