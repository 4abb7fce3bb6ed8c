#pragma once

#include "link/Transport.h"
#include "link/UsbDiscovery.h"

namespace norvane {

/// Opens the machine's real devices: USB printer nodes, serial and parallel ports, TCP connections.
class SystemTransportOpener : public TransportOpener
{
public:
    explicit SystemTransportOpener(UsbDeviceRoots usbRoots = {}) : m_usbRoots(std::move(usbRoots)) {}

    std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings, const LinkTimeouts& timeouts,
                                    WaitPacing& pacing) override;

private:
    UsbDeviceRoots m_usbRoots;
};

} // namespace norvane
