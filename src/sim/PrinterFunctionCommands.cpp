#include "PrinterFunctionCommands.h"

namespace norvane::sim {

bool PrinterFunctionCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    if (command.kind != Command::Kind::Line)
        return false;
    if (command.text == "INITIALPRINTER")
        ++state.factoryDefaults;
    else if (command.text == "SELFTEST")
        ++state.configurationPages;
    else
        return false;
    return true;
}

} // namespace norvane::sim
