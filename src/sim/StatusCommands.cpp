#include "StatusCommands.h"

namespace norvane::sim {

bool StatusCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.kind != Command::Kind::Escape)
        return false;
    if (command.text == "!?") {
        replies.append({QByteArray(1, static_cast<char>(state.status)), false});
    } else if (command.text == "!S") {
        if (state.answersExtendedStatus)
            replies.append({state.extendedStatus, false});
    } else if (command.text == "!R") {
        ++state.resets;
    } else if (command.text == "!C") {
        ++state.startupProgramsIgnored;
    } else if (command.text == "Z") {
        ++state.lineModeExits;
    } else {
        return false;
    }
    return true;
}

} // namespace norvane::sim
