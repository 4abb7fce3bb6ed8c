#include "protocol/WirelessOperations.h"

#include "protocol/BluetoothScan.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterFunctions.h"

namespace norvane {

void RegisterWirelessOperations(CommandDispatcher& dispatcher)
{
    dispatcher.registerOperation(OperationCode::ScanBluetooth, ScanBluetooth);
    dispatcher.registerOperation(OperationCode::ConnectBluetooth, ConnectBluetoothMaster);
    dispatcher.registerOperation(OperationCode::WirelessFactoryDefault, [](const OperationRequest& request) {
        return SendOnlyOperation(request, "WLAN DEFAULT\r\n");
    });
}

} // namespace norvane
