#include "StatusCommands.h"

namespace norvane::sim {

QList<QByteArray> StatusCommands::keys() const
{
    return {"\x1b!?", "\x1b!S"};
}

void StatusCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.text == "!?")
        replies.append({QByteArray(1, static_cast<char>(state.status)), false});
    else if (command.text == "!S" && state.answersExtendedStatus)
        replies.append({state.extendedStatus, false});
}

} // namespace norvane::sim
