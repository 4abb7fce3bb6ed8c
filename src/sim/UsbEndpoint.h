#pragma once

#include "PtyEndpoint.h"

namespace norvane::sim {

/// A USB printer: a pseudo-terminal whose device node sits in a fake sysfs and /dev tree under a folder
/// (see CreateFakeUsbTree), where the USB discovery finds it. Gone, it takes its device node with it, as
/// an unplugged printer does.
class UsbEndpoint : public PtyEndpoint
{
public:
    /// Serves a new pseudo-terminal as a USB printer under `dir`; nullptr when either cannot be made.
    static std::unique_ptr<UsbEndpoint> open(VirtualPrinter& printer, const QString& dir);
    ~UsbEndpoint() override;

private:
    UsbEndpoint(Terminal terminal, VirtualPrinter& printer, QString deviceNode);

    QString m_deviceNode;
};

} // namespace norvane::sim
