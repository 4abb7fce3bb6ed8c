#include "StatusCommands.h"

namespace norvane::sim {

QList<QByteArray> StatusCommands::keys() const
{
    return {"\x1b!?", "\x1b!S", "\x1b!R", "\x1b!C", "\x1bZ", "\x1bY"};
}

void StatusCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
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
        // Exit line mode sends the same ESC "Z" (with CR LF): both leave the printer in ZPL2.
        ++state.lineModeExits;
        state.reports["ACT_EMULATION"] = "0";
    } else if (command.text == "Y") {
        state.reports["ACT_EMULATION"] = "1";
    }
}

} // namespace norvane::sim
