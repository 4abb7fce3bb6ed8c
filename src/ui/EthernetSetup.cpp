#include "EthernetSetup.h"

#include "OperationRunner.h"
#include "PasswordGate.h"
#include "TFormEthernetSetup.h"
#include "WindowPlacement.h"

#include <QWidget>

namespace norvane::ui {

void RunEthernetSetup(OperationRunner& runner, EthernetSettings& record)
{
    EthernetSettings read;
    if (runner.RunOperation<OperationCode::ReadEthernetSettings>(read) != ResultCode::Success)
        return;
    record.dhcp = read.dhcp;
    record.ipAddress = read.ipAddress;
    record.subnetMask = read.subnetMask;
    record.gateway = read.gateway;
    record.lastUsedIp = read.lastUsedIp;
    record.printerName = read.printerName;
    record.macAddress = read.macAddress;

    QWidget& mainWindow = runner.mainWindow();
    TFormEthernetSetup dialog(record, {}, &mainWindow);
    PlaceAtThirdOf(dialog, mainWindow);
    dialog.exec();
    if (!record.confirmed || !PasswordGate(runner))
        return;
    if (record.action == EthernetSettings::SetIp)
        runner.RunOperation<OperationCode::SetIpAddress>(record);
    else
        runner.RunOperation<OperationCode::SetPrinterName>(record);
    mainWindow.raise();
    mainWindow.activateWindow();
}

} // namespace norvane::ui
