#include "protocol/DialogOperations.h"

#include "protocol/ActiveEmulation.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterPassword.h"

namespace norvane {

void RegisterDialogOperations(CommandDispatcher& dispatcher)
{
    dispatcher.registerOperation(OperationCode::ReadPassword, ReadPassword);
    dispatcher.registerOperation(OperationCode::SendPassword, SendPassword);
    dispatcher.registerOperation(OperationCode::ReadEmulation, ReadActiveEmulation);
    dispatcher.registerOperation(OperationCode::SetEmulation, SetActiveEmulation);
}

} // namespace norvane
