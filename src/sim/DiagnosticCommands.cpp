#include "DiagnosticCommands.h"

namespace norvane::sim {

namespace {
const QByteArray kInterfacePrefix = "DIAGNOSTIC INTERFACE ";
const QByteArray kReportPrefix = "DIAGNOSTIC REPORT ";
} // namespace

bool DiagnosticCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.kind != Command::Kind::Line)
        return false;
    if (command.text.startsWith(kInterfacePrefix)) {
        replies.append({Frame(command.text.mid(kInterfacePrefix.size())), true});
    } else if (command.text.startsWith(kReportPrefix)) {
        const auto found = state.reports.constFind(command.text.mid(kReportPrefix.size()));
        if (found != state.reports.constEnd())
            replies.append({Frame(*found), true});
    } else if (command.text == "OUT _SERIAL$") {
        replies.append({state.serialNumber + "\r\n", false});
    } else {
        return false;
    }
    return true;
}

} // namespace norvane::sim
