#include "ClockSetup.h"

#include "OperationRunner.h"
#include "PasswordGate.h"
#include "TFormRTCSetup.h"
#include "WindowPlacement.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterClock.h"

#include <QWidget>

namespace norvane::ui {

void RunClockSetup(OperationRunner& runner, CommandDispatcher& dispatcher, InterfaceKind kind, ClockSetting& clock)
{
    QWidget& mainWindow = runner.mainWindow();
    ClockSetting read;
    mainWindow.setEnabled(false);
    // A printer that cannot be read leaves zeros to edit; the user may still set its clock.
    dispatcher.dispatch<OperationCode::ReadClock>(kind, read);
    mainWindow.setEnabled(true);
    mainWindow.raise();
    mainWindow.activateWindow();
    clock = read;

    TFormRTCSetup dialog(clock, runner.prompts(), &mainWindow);
    PlaceAtThirdOf(dialog, mainWindow);
    dialog.exec();
    if (!clock.confirmed || !PasswordGate(runner))
        return;
    ClockSetting sent = clock;
    runner.RunOperation<OperationCode::SetClock>(sent);
}

} // namespace norvane::ui
