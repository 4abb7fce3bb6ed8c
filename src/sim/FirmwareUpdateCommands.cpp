#include "FirmwareUpdateCommands.h"

#include "CommandArguments.h"

#include <array>
#include <utility>

namespace norvane::sim {

namespace {

/// Each line and the report that answers its value.
const std::array<std::pair<const char*, const char*>, 6> kSettings{{
    {"FTPUPD ENABLE ", "FTPCENABLE"},
    {"FTPUPD SRVIP ", "UPDFTPSRV"},
    {"FTPUPD PATH ", "UPDFTPPATH"},
    {"FTPUPD DESCFILE ", "UPDDESCFILE"},
    {"FTPUPD ID ", "UPDFTPID"},
    {"FTPUPD PSWD ", "UPDFTPPWD"},
}};

} // namespace

QList<QByteArray> FirmwareUpdateCommands::keys() const
{
    return {"FTPUPD"};
}

void FirmwareUpdateCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    for (const auto& [prefix, key] : kSettings) {
        if (command.text.startsWith(prefix)) {
            state.reports[key] = QuotedValues(command.text).value(0);
            return;
        }
    }
}

} // namespace norvane::sim
