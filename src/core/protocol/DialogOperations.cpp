#include "protocol/DialogOperations.h"

#include "protocol/ActiveEmulation.h"
#include "protocol/LinkedOperation.h"
#include "protocol/PrinterPassword.h"

namespace norvane {

void RegisterDialogOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::ReadPassword>(dispatcher, ReadPassword);
    RegisterOverLink<OperationCode::SendPassword>(dispatcher, SendPassword);
    RegisterOverLink<OperationCode::ReadEmulation>(dispatcher, ReadActiveEmulation);
    RegisterOverLink<OperationCode::SetEmulation>(dispatcher, SetActiveEmulation);
}

} // namespace norvane
