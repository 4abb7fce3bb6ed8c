#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace norvane {

/// A printer's IP configuration and network name, shared by the Ethernet dialog and whoever opened it. The
/// texts are the printer's fields of 64 bytes with a terminating zero: longer texts are cut to 63 bytes.
struct EthernetSettings
{
    static constexpr qsizetype kMaxTextLength = 63;
    /// The longest network name the dialog takes.
    static constexpr qsizetype kMaxPrinterNameLength = 15;

    enum Action : std::int32_t
    {
        SetIp = 0,
        SetPrinterName = 1,
    };

    std::uint8_t dhcp = 1;
    QByteArray ipAddress = "0.0.0.0";
    QByteArray subnetMask = "0.0.0.0";
    QByteArray gateway = "0.0.0.0";
    /// The address the printer is using, which DHCP chose when it is on.
    QByteArray lastUsedIp = "0.0.0.0";
    QByteArray printerName;
    QByteArray macAddress;
    std::int32_t action = SetIp;
    std::uint8_t confirmed = 0;
};

/// `text` as a settings field keeps it: its first 63 bytes.
QByteArray SettingsText(QByteArrayView text);

} // namespace norvane
