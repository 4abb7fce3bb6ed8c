#include "BatchCommand.h"
#include "CliCommand.h"
#include "ClockCommand.h"
#include "DcfCommand.h"
#include "DumpCommand.h"
#include "EmulationCommand.h"
#include "FilesCommand.h"
#include "FontCommand.h"
#include "ModuleCommands.h"
#include "NetworkCommands.h"
#include "OperationCommand.h"
#include "PasswordCommand.h"
#include "ReadConfigCommand.h"
#include "SendFileCommand.h"
#include "SensorCommand.h"
#include "StatusCommand.h"
#include "TestPageCommand.h"
#include "WirelessCommands.h"
#include "WriteConfigCommand.h"

namespace norvane::cli {

CliCommands AllCliCommands()
{
    CliCommands commands;
    const auto add = [&](auto command) {
        commands.push_back(std::move(command));
    };
    add(std::make_unique<OperationCommand>("link-test", "check that the link opens (USB: a printer is attached)",
                                           OperationCode::LinkTest));
    add(std::make_unique<StatusCommand>());
    add(std::make_unique<OperationCommand>("factory-default", "restore the printer's factory settings",
                                           OperationCode::FactoryDefault, PasswordGuard::PrinterPassword));
    add(std::make_unique<OperationCommand>("self-test", "print the configuration page",
                                           OperationCode::PrintConfigurationPage));
    add(std::make_unique<OperationCommand>("reset", "reset the printer", OperationCode::ResetPrinter));
    add(std::make_unique<OperationCommand>("ignore-startup", "skip the printer's start-up program (AUTO.BAS)",
                                           OperationCode::IgnoreStartupProgram));
    add(std::make_unique<OperationCommand>("exit-line-mode", "leave line mode", OperationCode::ExitLineMode));
    add(std::make_unique<ReadConfigCommand>());
    add(std::make_unique<WriteConfigCommand>());
    add(std::make_unique<DcfCommand>());
    add(std::make_unique<FilesCommand>());
    add(std::make_unique<FontCommand>());
    add(std::make_unique<SendFileCommand>());
    add(std::make_unique<TestPageCommand>());
    add(std::make_unique<DumpCommand>());
    add(std::make_unique<SensorCommand>());
    add(std::make_unique<BluetoothScanCommand>());
    add(std::make_unique<BluetoothConnectCommand>());
    add(std::make_unique<OperationCommand>("wlan-default", "restore the wireless module's factory settings",
                                           OperationCode::WirelessFactoryDefault));
    add(std::make_unique<ExternalModuleCommand>());
    add(std::make_unique<AccessPointScanCommand>());
    add(std::make_unique<NetCommand>());
    add(std::make_unique<DiscoverCommand>());
    add(std::make_unique<PasswordCommand>());
    add(std::make_unique<EmulationCommand>());
    add(std::make_unique<ClockCommand>());
    add(std::make_unique<BatchCommand>());
    return commands;
}

} // namespace norvane::cli
