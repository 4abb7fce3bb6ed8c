#include "PrinterFunctionCommands.h"

#include "PrinterProfile.h"

namespace norvane::sim {

QList<QByteArray> PrinterFunctionCommands::keys() const
{
    return {"INITIALPRINTER", "SELFTEST"};
}

void PrinterFunctionCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    if (command.text == "INITIALPRINTER") {
        // Factory settings; the edition and the password stay what they are.
        const QByteArray password = state.reports.value("PASSWORD");
        state.reports = FactoryReports(state.reports.value("EDITION").toInt());
        if (state.reports.contains("PASSWORD"))
            state.reports["PASSWORD"] = password;
        state.commonSettings = {};
        ++state.functions.factoryDefaults;
    } else if (command.text == "SELFTEST") {
        ++state.functions.configurationPages;
    }
}

} // namespace norvane::sim
