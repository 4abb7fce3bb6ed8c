// The access-point search's reply, parsed alone and as the operation reads it, and the external module's
// answers to the probe and the name read.

#include "FuzzedPrinter.h"
#include "protocol/AccessPointScan.h"
#include "protocol/ExternalModule.h"

using namespace norvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::EnsureQtApplication();
    AccessPointScanResult result;
    ParseAccessPointReply(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), result);
    fuzz::FuzzedPrinter printer(data, size);
    printer.dispatcher.dispatch<OperationCode::ScanAccessPoints>(InterfaceKind::Usb, result);
    fuzz::FuzzedPrinter module(data, size);
    if (ProbeBluetoothModule(module.dispatcher.links(), InterfaceKind::Usb))
        ReadModuleBluetooth(module.dispatcher.links(), InterfaceKind::Usb);
    return 0;
}
