#include "protocol/WirelessOperations.h"

#include "protocol/BluetoothScan.h"
#include "protocol/LinkedOperation.h"
#include "protocol/PrinterFunctions.h"

namespace norvane {

void RegisterWirelessOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::ScanBluetooth>(dispatcher, ScanBluetooth);
    RegisterOverLink<OperationCode::ConnectBluetooth>(dispatcher, ConnectBluetoothMaster);
    RegisterOverLink<OperationCode::WirelessFactoryDefault>(dispatcher, SendOnly("WLAN DEFAULT\r\n"));
}

} // namespace norvane
