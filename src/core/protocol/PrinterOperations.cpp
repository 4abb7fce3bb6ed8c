#include "protocol/PrinterOperations.h"

#include "protocol/CommandDispatcher.h"
#include "protocol/ConfigurationRead.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/PrinterFunctions.h"
#include "protocol/PrinterStatus.h"

namespace norvane {

namespace {

Operation sendOnly(QByteArrayView command)
{
    return [command](const OperationRequest& request) {
        return SendOnlyOperation(request, command);
    };
}

} // namespace

void RegisterPrinterOperations(CommandDispatcher& dispatcher)
{
    dispatcher.registerOperation(OperationCode::ReadStatus, ReadStatus);
    dispatcher.registerOperation(OperationCode::ReadConfiguration, ReadConfiguration);
    dispatcher.registerOperation(OperationCode::WriteConfigurationPage, WriteConfigurationPage);
    dispatcher.registerOperation(OperationCode::FactoryDefault, sendOnly("INITIALPRINTER\r\n"));
    dispatcher.registerOperation(OperationCode::PrintConfigurationPage, sendOnly("SELFTEST\r\n"));
    dispatcher.registerOperation(OperationCode::ResetPrinter, sendOnly(QByteArrayView("\x1b!R", 3)));
    dispatcher.registerOperation(OperationCode::IgnoreStartupProgram, sendOnly(QByteArrayView("\x1b!C", 3)));
    dispatcher.registerOperation(OperationCode::LinkTest, LinkTest);
    dispatcher.registerOperation(OperationCode::ExitLineMode, sendOnly(QByteArrayView("\x1bZ\r\n", 4)));
}

} // namespace norvane
