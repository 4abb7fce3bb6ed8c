#include "link/SystemTransportOpener.h"

#include "link/DeviceFileTransport.h"
#include "link/DevicePaths.h"
#include "link/LinkSettings.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"

namespace norvane {

std::unique_ptr<Transport> SystemTransportOpener::open(InterfaceKind kind, const LinkSettings& settings,
                                                       const LinkTimeouts& timeouts, WaitPacing& pacing)
{
    switch (kind) {
    case InterfaceKind::Usb:
        if (const auto path = FindAnyUsbPrinter(m_usbRoots))
            return DeviceFileTransport::open(*path, DeviceFileTransport::Access::ReadWrite);
        return nullptr;
    case InterfaceKind::Com:
        return SerialTransport::open(ComDevicePath(settings.serial.portName), settings.serial);
    case InterfaceKind::Lpt:
        return DeviceFileTransport::open(LptDevicePath(settings.parallel.portName),
                                         DeviceFileTransport::Access::WriteOnly);
    case InterfaceKind::Ethernet:
        return TcpTransport::TcpConnect(settings.ethernet.host, settings.ethernet.port, timeouts, pacing);
    }
    return nullptr;
}

} // namespace norvane
