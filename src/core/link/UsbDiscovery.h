#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace norvane {

/// Where USB printers are looked for; tests point both at a fake tree.
struct UsbDeviceRoots
{
    QString sysfs = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");

    /// DIR/sys and DIR/dev: a tree laid out like the machine's, such as the virtual printer's fake one.
    static UsbDeviceRoots under(const QString& dir)
    {
        return {dir + QStringLiteral("/sys"), dir + QStringLiteral("/dev")};
    }
};

struct UsbDevice
{
    QString devicePath; ///< the printer device node, /dev/usb/lpN
    QString vendor;     ///< idVendor as the kernel reports it: four lower-case hex digits
};

/// The USB printer device nodes in ascending N, at most 256.
using UsbDeviceList = QList<UsbDevice>;

/// The vendor numbers accepted, in the order they are tried.
inline constexpr std::array<const char*, 3> kUsbPrinterVendors{"1203", "08a6", "1bd8"};

UsbDeviceList FillUsbDeviceList(const UsbDeviceRoots& roots);

/// The first enumerated device whose vendor number equals `vendorText` exactly.
std::optional<QString> FindUsbPrinter(const UsbDeviceList& devices, QStringView vendorText);

/// The device to open: vendor "1203" first, then "08a6", then "1bd8", enumerating anew for each.
std::optional<QString> FindAnyUsbPrinter(const UsbDeviceRoots& roots);

} // namespace norvane
