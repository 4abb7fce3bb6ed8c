#include "PasswordGate.h"

#include "OperationRunner.h"
#include "TFormPassword.h"
#include "WindowPlacement.h"

namespace norvane::ui {

bool PasswordGate(OperationRunner& runner)
{
    PasswordRecord record;
    if (runner.RunOperation<OperationCode::ReadPassword>(record.password) != ResultCode::Success)
        return false;
    if (record.password.isEmpty())
        return true;
    TFormPassword dialog(record, runner.prompts(), &runner.mainWindow());
    PlaceAtThirdOf(dialog, runner.mainWindow());
    dialog.exec();
    return record.confirmed;
}

} // namespace norvane::ui
