#pragma once

#include <termios.h>

namespace norvane {

struct SerialLinkSettings;

/// Turns the serial link settings into line settings: raw bytes, the baud rate, data bits, parity,
/// stop bits and flow control of the settings' indices. Linux knows no 1.5 stop bits; two are sent,
/// which a receiver expecting 1.5 accepts. Hardware handshake RTS and RTS/CTS both mean RTS/CTS flow
/// control here; Linux has no DTR/DSR flow control.
void ApplySerialLineSettings(termios& line, const SerialLinkSettings& settings);

} // namespace norvane
