#include "protocol/PrinterOperations.h"

#include "config/StatusFlags.h"
#include "protocol/ConfigurationRead.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/LinkedOperation.h"
#include "protocol/PrinterFunctions.h"
#include "protocol/PrinterStatus.h"

namespace norvane {

void RegisterPrinterOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::ReadStatus>(dispatcher, ReadStatus);
    RegisterOverLink<OperationCode::ReadConfiguration>(dispatcher, ReadConfiguration);
    dispatcher.registerOperation<OperationCode::WriteConfigurationPage>(WriteConfigurationPage);
    RegisterOverLink<OperationCode::FactoryDefault>(dispatcher, SendOnly("INITIALPRINTER\r\n"));
    RegisterOverLink<OperationCode::PrintConfigurationPage>(dispatcher, SendOnly("SELFTEST\r\n"));
    RegisterOverLink<OperationCode::ResetPrinter>(dispatcher, SendOnly(QByteArrayView("\x1b!R", 3)));
    RegisterOverLink<OperationCode::IgnoreStartupProgram>(dispatcher, SendOnly(QByteArrayView("\x1b!C", 3)));
    RegisterOverLink<OperationCode::LinkTest>(dispatcher, [](PrinterLink&) { return ResultCode::Success; });
    RegisterOverLink<OperationCode::ExitLineMode>(dispatcher, SendOnly(QByteArrayView("\x1bZ\r\n", 4)));
}

} // namespace norvane
