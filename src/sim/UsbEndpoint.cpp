#include "UsbEndpoint.h"

#include "FakeUsbTree.h"

#include <QFile>

namespace norvane::sim {

std::unique_ptr<UsbEndpoint> UsbEndpoint::open(VirtualPrinter& printer, const QString& dir)
{
    auto terminal = openTerminal();
    if (!terminal || !CreateFakeUsbTree(dir, terminal->path))
        return nullptr;
    return std::unique_ptr<UsbEndpoint>(new UsbEndpoint(std::move(*terminal), printer, FakeUsbDeviceNode(dir)));
}

UsbEndpoint::UsbEndpoint(Terminal terminal, VirtualPrinter& printer, QString deviceNode)
    : PtyEndpoint(std::move(terminal), printer), m_deviceNode(std::move(deviceNode))
{
}

UsbEndpoint::~UsbEndpoint()
{
    QFile::remove(m_deviceNode);
}

} // namespace norvane::sim
