#include "PasswordCommands.h"

namespace norvane::sim {

bool PasswordCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    static const QByteArray kPrefix = "DIAGNOSTIC PASSWORD \"";
    if (command.kind != Command::Kind::Line || !command.text.startsWith(kPrefix) || !command.text.endsWith('"'))
        return false;
    state.reports["PASSWORD"] = command.text.sliced(kPrefix.size(), command.text.size() - kPrefix.size() - 1);
    replies.append({Frame("OK"), true});
    return true;
}

} // namespace norvane::sim
