#include "ControlCommands.h"

namespace norvane::sim {

QList<QByteArray> ControlCommands::keys() const
{
    return {"\x1b!R", "\x1b!C", "\x1bZ", "\x1bY"};
}

void ControlCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    if (command.text == "!R") {
        ++state.control.resets;
        state.externalModule.moduleMode = false;
    } else if (command.text == "!C") {
        ++state.control.startupProgramsIgnored;
    } else if (command.text == "Z") {
        // Exit line mode sends the same ESC "Z" (with CR LF): both leave the printer in ZPL2.
        ++state.control.lineModeExits;
        state.reports["ACT_EMULATION"] = "0";
    } else if (command.text == "Y") {
        state.reports["ACT_EMULATION"] = "1";
    }
}

} // namespace norvane::sim
