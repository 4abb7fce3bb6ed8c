#pragma once

#include <QString>
#include <cstdint>

namespace norvane {

/// Serial link: the port name and list indices as the serial settings dialog stores them.
struct SerialLinkSettings
{
    QString portName = QStringLiteral("COM1");
    std::int32_t baudRate = 2;          ///< 0 = 2400 … 6 = 115200; other values open at 9600
    std::int32_t dataBits = 1;          ///< 0 = 7, 1 = 8; other values = 8
    std::int32_t parity = 0;            ///< 0 none, 1 odd, 2 even; other values = none
    std::int32_t stopBits = 0;          ///< 0 = 1, 1 = 1.5, 2 = 2; other values = 1
    std::int32_t hardwareHandshake = 1; ///< 0 None, 1 RTS, 2 or other RTS/CTS
    std::int32_t softwareHandshake = 0; ///< 1 Xon/Xoff; other values None
};

struct ParallelLinkSettings
{
    QString portName = QStringLiteral("LPT1");
};

struct EthernetLinkSettings
{
    QString host;
    std::int32_t port = 9100;
};

/// The three records the main window (or the cli) owns; the link layer reads them at every open.
struct LinkSettings
{
    SerialLinkSettings serial;
    ParallelLinkSettings parallel;
    EthernetLinkSettings ethernet;
};

/// Status-bar panel 1: "COM1 9600,N,8,1 RTS " with the defaults. An index outside its list shows nothing.
QString SerialLinkDisplayText(const SerialLinkSettings& settings);

/// Status-bar panel 0.
QString ParallelLinkDisplayText(const ParallelLinkSettings& settings);

/// Takes HOST or HOST:PORT (an IPv6 address in brackets: [::1]:9100) into `ethernet`; without a port the
/// port stays as it is. False, with `ethernet` unchanged, for anything else.
bool ParseNetworkTarget(const QString& target, EthernetLinkSettings& ethernet);

} // namespace norvane
