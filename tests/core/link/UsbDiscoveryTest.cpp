#include "link/UsbDiscovery.h"
#include "link/LinkLayer.h"
#include "link/PosixIo.h"
#include "link/Progress.h"
#include "link/SystemTransportOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

using namespace norvane;
using namespace std::chrono_literals;

namespace {

/// A sysfs and /dev tree as the kernel lays out USB printers: class/usbmisc/lpN/device links to the
/// USB interface, whose parent device holds idVendor; dev/usb/lpN is the node.
class FakeUsbTree
{
public:
    FakeUsbTree() : roots{m_dir.filePath("sys"), m_dir.filePath("dev")} { QDir().mkpath(roots.dev + "/usb"); }

    void addPrinter(int number, const QByteArray& vendor, const QString& node = {})
    {
        const QString device = QStringLiteral("%1/devices/usb1/1-%2").arg(roots.sysfs).arg(number);
        QDir().mkpath(device + QStringLiteral("/1-%1:1.0").arg(number));
        QFile idVendor(device + "/idVendor");
        idVendor.open(QIODevice::WriteOnly);
        idVendor.write(vendor + "\n");
        const QString classEntry = QStringLiteral("%1/class/usbmisc/lp%2").arg(roots.sysfs).arg(number);
        QDir().mkpath(classEntry);
        QFile::link(device + QStringLiteral("/1-%1:1.0").arg(number), classEntry + "/device");
        const QString nodePath = QStringLiteral("%1/usb/lp%2").arg(roots.dev).arg(number);
        if (node.isEmpty()) {
            QFile placeholder(nodePath);
            placeholder.open(QIODevice::WriteOnly);
        } else {
            QFile::link(node, nodePath);
        }
    }

    QString node(int number) const { return QStringLiteral("%1/usb/lp%2").arg(roots.dev).arg(number); }

private:
    QTemporaryDir m_dir;

public:
    UsbDeviceRoots roots;
};

} // namespace

TEST(UsbDiscoveryTest, listsPrinterNodesInAscendingNumberWithTheirVendors)
{
    FakeUsbTree tree;
    tree.addPrinter(10, "1bd8");
    tree.addPrinter(2, "08a6");
    tree.addPrinter(0, "04b8");
    const UsbDeviceList devices = FillUsbDeviceList(tree.roots);
    ASSERT_EQ(devices.size(), 3);
    EXPECT_EQ(devices[0].devicePath, tree.node(0));
    EXPECT_EQ(devices[0].vendor, "04b8");
    EXPECT_EQ(devices[1].devicePath, tree.node(2));
    EXPECT_EQ(devices[2].devicePath, tree.node(10));
    EXPECT_EQ(devices[2].vendor, "1bd8");
}

TEST(UsbDiscoveryTest, theFirstVendorOfTheOrderWinsThenTheFirstEnumerated)
{
    FakeUsbTree tree;
    tree.addPrinter(0, "08a6");
    tree.addPrinter(1, "1203");
    tree.addPrinter(2, "1203");
    EXPECT_EQ(FindAnyUsbPrinter(tree.roots), tree.node(1));
}

TEST(UsbDiscoveryTest, vendorNumbersCompareExactly)
{
    FakeUsbTree tree;
    tree.addPrinter(0, "1BD8");
    tree.addPrinter(1, "12030");
    EXPECT_FALSE(FindAnyUsbPrinter(tree.roots));
    tree.addPrinter(2, "1bd8");
    EXPECT_EQ(FindAnyUsbPrinter(tree.roots), tree.node(2));
}

TEST(UsbDiscoveryTest, noUsbDevicesFindsNothing)
{
    FakeUsbTree tree;
    EXPECT_TRUE(FillUsbDeviceList(tree.roots).isEmpty());
    EXPECT_FALSE(FindAnyUsbPrinter(tree.roots));
    EXPECT_FALSE(FindAnyUsbPrinter(UsbDeviceRoots{"/nonexistent/sys", "/nonexistent/dev"}));
}

TEST(UsbDiscoveryTest, theUsbLinkOpensTheNodeFound)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    UniqueFd masterFd(master);
    UniqueFd slaveFd(slave);
    termios raw{};
    ::tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);

    FakeUsbTree tree;
    tree.addPrinter(3, "1203", QString::fromLocal8Bit(name));
    LinkSettings settings;
    Progress progress;
    LinkLayer links(settings, progress, std::make_unique<SystemTransportOpener>(tree.roots));
    auto link = links.OpenLink(InterfaceKind::Usb);
    ASSERT_TRUE(link);
    ASSERT_TRUE(link->WriteLink("\x1b!?"));
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(readWithTimeout(master, buffer, sizeof buffer, 2000ms).count, 3u);
}
