#include "link/UsbDiscovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace norvane {

namespace {

constexpr qsizetype kMaxDevices = 256;

/// The node's class folder links to the USB interface; the device above it carries idVendor.
QString vendorOf(const QString& classEntry)
{
    const QString interfaceDir = QFileInfo(classEntry + QStringLiteral("/device")).canonicalFilePath();
    if (interfaceDir.isEmpty())
        return {};
    QFile file(QFileInfo(interfaceDir).path() + QStringLiteral("/idVendor"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

} // namespace

UsbDeviceList FillUsbDeviceList(const UsbDeviceRoots& roots)
{
    const QRegularExpression printerNode(QStringLiteral("^lp(\\d+)$"));
    struct Node
    {
        int number;
        QString classEntry;
    };
    QList<Node> nodes;
    // Current kernels file printer nodes under "usbmisc"; older ones under "usb".
    for (const QString& className : {QStringLiteral("usbmisc"), QStringLiteral("usb")}) {
        const QDir classDir(roots.sysfs + QStringLiteral("/class/") + className);
        for (const QString& name : classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
            const auto match = printerNode.match(name);
            if (match.hasMatch())
                nodes.append({match.captured(1).toInt(), classDir.filePath(name)});
        }
        if (!nodes.isEmpty())
            break;
    }
    std::sort(nodes.begin(), nodes.end(), [](const Node& a, const Node& b) { return a.number < b.number; });

    UsbDeviceList devices;
    for (const Node& node : nodes) {
        if (devices.size() == kMaxDevices)
            break;
        devices.append({roots.dev + QStringLiteral("/usb/lp%1").arg(node.number), vendorOf(node.classEntry)});
    }
    return devices;
}

std::optional<QString> FindUsbPrinter(const UsbDeviceList& devices, QStringView vendorText)
{
    for (const UsbDevice& device : devices) {
        if (device.vendor == vendorText)
            return device.devicePath;
    }
    return std::nullopt;
}

std::optional<QString> FindAnyUsbPrinter(const UsbDeviceRoots& roots)
{
    for (const char* vendor : kUsbPrinterVendors) {
        if (auto path = FindUsbPrinter(FillUsbDeviceList(roots), QString::fromLatin1(vendor)))
            return path;
    }
    return std::nullopt;
}

} // namespace norvane
