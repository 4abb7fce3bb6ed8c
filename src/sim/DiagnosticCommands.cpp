#include "DiagnosticCommands.h"

namespace norvane::sim {

namespace {
const QByteArray kInterfacePrefix = "DIAGNOSTIC INTERFACE ";
const QByteArray kReportPrefix = "DIAGNOSTIC REPORT ";
const QByteArray kSerialNumberQuery = "OUT _SERIAL$";
} // namespace

QList<QByteArray> DiagnosticCommands::keys() const
{
    return {kInterfacePrefix.trimmed(), kReportPrefix.trimmed(), kSerialNumberQuery};
}

void DiagnosticCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.text.startsWith(kInterfacePrefix)) {
        replies.append({Frame(command.text.mid(kInterfacePrefix.size())), true});
    } else if (command.text.startsWith(kReportPrefix)) {
        const auto found = state.reports.constFind(command.text.mid(kReportPrefix.size()));
        if (found != state.reports.constEnd())
            replies.append({Frame(*found), true});
    } else if (command.text == kSerialNumberQuery) {
        replies.append({state.serialNumber + "\r\n", false});
    }
}

} // namespace norvane::sim
