// The Bluetooth search's reply, parsed alone and as the operation reads it.

#include "FuzzedPrinter.h"
#include "protocol/BluetoothScan.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    BluetoothScanResult result;
    ParseBluetoothScanReply(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), result);
    fuzz::FuzzedPrinter printer(data, size);
    printer.dispatcher.dispatch<OperationCode::ScanBluetooth>(InterfaceKind::Usb, result, 1);
    return 0;
}
