#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

/// Four bytes in network order.
using Ipv4Bytes = std::array<std::uint8_t, 4>;
using MacBytes = std::array<std::uint8_t, 6>;

/// Dotted decimal, each byte without leading zeros: "192.168.1.100".
QByteArray FormatIpv4(const Ipv4Bytes& address);

/// Dotted decimal to bytes. Anything but four groups of digits, each below 256, gives 255.255.255.255;
/// characters after the fourth group other than a dot are ignored ("10.0.0.1x" is 10.0.0.1).
Ipv4Bytes ParseIpv4(QByteArrayView text);

/// Exactly six groups of two hexadecimal digits joined by colons, nothing after; nullopt otherwise.
std::optional<MacBytes> ParseMacAddress(QByteArrayView text);

/// "00:1B:82:0A:00:FF": upper-case hexadecimal.
QByteArray FormatMacAddress(const MacBytes& mac);

} // namespace norvane
