#include "protocol/WirelessOperations.h"

#include "protocol/AccessPointScan.h"
#include "protocol/BluetoothScan.h"
#include "protocol/ExternalModule.h"
#include "protocol/LinkedOperation.h"
#include "protocol/PrinterFunctions.h"

namespace norvane {

void RegisterWirelessOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::ScanBluetooth>(dispatcher, ScanBluetooth);
    RegisterOverLink<OperationCode::ConnectBluetooth>(dispatcher, ConnectBluetoothMaster);
    // Each step of the module mode is an exchange over a link of its own.
    dispatcher.registerOperation<OperationCode::CheckExternalModule>(EnterModuleMode);
    RegisterOverLink<OperationCode::ScanAccessPoints>(dispatcher, ScanAccessPoints);
    RegisterOverLink<OperationCode::WirelessFactoryDefault>(dispatcher, SendOnly("WLAN DEFAULT\r\n"));
}

} // namespace norvane
