#pragma once

#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <QList>

namespace norvane {

class PrinterLink;

struct BluetoothDevice
{
    QByteArray name;
    QByteArray address;
};

/// The record of operation 31: the devices the printer's module found.
struct BluetoothScanResult
{
    /// The record keeps 100 devices with names and addresses of up to 19 characters; longer ones are cut
    /// and further devices dropped, so a crowded room cannot overflow it.
    static constexpr qsizetype kMaxDevices = 100;
    static constexpr qsizetype kMaxTextLength = 19;

    QList<BluetoothDevice> devices;
    bool moduleFound = false;
};

/// Operation 31: "DIAGNOSTIC REPORT SCANBT", then the module's search time with progress, then one framed
/// reply. The search time is the link's `bluetoothScan`; an answer that comes earlier ends the wait.
ResultCode ScanBluetooth(PrinterLink& link, BluetoothScanResult& result, const OperationContext& context);

/// Operation 32: "BT DMAC "…"" with the device's address.
ResultCode ConnectBluetoothMaster(PrinterLink& link, const QByteArray& address);

/// The scan reply: a count, CR, then name "," address CR per device; a count of -1 means no module.
/// False when the reply has no CR after the count.
bool ParseBluetoothScanReply(const QByteArray& reply, BluetoothScanResult& result);

} // namespace norvane
