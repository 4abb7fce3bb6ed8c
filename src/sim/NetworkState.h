#pragma once

#include "net/NetAddress.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane::sim {

/// The printer's Ethernet interface: one set of settings that the printer commands, the reports and the
/// discovery protocol all read and change. Addresses are kept as the texts they were given in.
struct NetworkState
{
    bool dhcp = true;
    QByteArray address = "0.0.0.0";
    QByteArray mask = "0.0.0.0";
    QByteArray gateway = "0.0.0.0";
    /// What the DHCP server handed out; in use while DHCP is on.
    QByteArray leasedAddress = "192.168.1.57";
    QByteArray name = "NV-PRINTER";
    norvane::MacBytes mac{0x00, 0x1B, 0x82, 0x4E, 0x56, 0x01};
    QByteArray model = "NV-4100";
    /// The discovery status code and error flags (1 printing, 2 paused, 3 an error the flags name).
    std::uint8_t discoveryStatus = 0;
    std::uint8_t errorFlags = 0;

    /// Whether the printer answers "DIAGNOSTIC REPORT NETNAME" (older firmware does not).
    bool reportsName = true;
    /// How many answers each Discover request gets, and whether a runt datagram precedes them.
    int discoverAnswers = 1;
    bool runtBeforeAnswer = false;

    /// What Set Group requests have staged; it takes effect with the closing group.
    struct Staged
    {
        std::optional<QByteArray> name;
        std::optional<std::array<QByteArray, 3>> addresses;
        std::optional<bool> dhcp;
    };
    Staged staged;

    /// Every datagram received, in order.
    QList<QByteArray> datagrams;

    /// The address the printer is using.
    QByteArray addressInUse() const { return dhcp ? leasedAddress : address; }
    /// Back to the settings it left the factory with; identity and behaviour stay.
    void restoreFactorySettings()
    {
        dhcp = true;
        address = mask = gateway = "0.0.0.0";
        name = "NV-PRINTER";
    }
};

} // namespace norvane::sim
