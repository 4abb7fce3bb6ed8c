#include "FakeUsbTree.h"

#include <QDir>
#include <QFile>

namespace norvane::sim {

bool CreateFakeUsbTree(const QString& dir, const QString& node, const QByteArray& vendor)
{
    const QString device = dir + QStringLiteral("/sys/devices/usb1/1-1");
    const QString interface = device + QStringLiteral("/1-1:1.0");
    const QString classEntry = dir + QStringLiteral("/sys/class/usbmisc/lp0");
    const QString nodeLink = FakeUsbDeviceNode(dir);
    if (!QDir().mkpath(interface) || !QDir().mkpath(classEntry) || !QDir().mkpath(dir + QStringLiteral("/dev/usb")))
        return false;
    QFile idVendor(device + QStringLiteral("/idVendor"));
    if (!idVendor.open(QIODevice::WriteOnly) || idVendor.write(vendor + '\n') != vendor.size() + 1)
        return false;
    QFile::remove(classEntry + QStringLiteral("/device"));
    QFile::remove(nodeLink);
    return QFile::link(interface, classEntry + QStringLiteral("/device")) && QFile::link(node, nodeLink);
}

QString FakeUsbDeviceNode(const QString& dir)
{
    return dir + QStringLiteral("/dev/usb/lp0");
}

} // namespace norvane::sim
