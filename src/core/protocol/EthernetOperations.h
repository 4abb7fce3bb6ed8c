#pragma once

#include "protocol/ResultCode.h"

#include <QByteArray>

namespace norvane {

class CommandDispatcher;
class PrinterLink;
struct EthernetSettings;

/// "NET DHCP" when `dhcp` is 1, otherwise "NET IP" with the three addresses as typed.
QByteArray IpSettingsCommand(const EthernetSettings& settings);
QByteArray PrinterNameCommand(const EthernetSettings& settings);

/// Operation 20: the printer's addresses, name and MAC address over the printer link. A printer that does
/// not report its name or MAC address still gives 0, with those texts empty.
ResultCode ReadEthernetSettings(PrinterLink& link, EthernetSettings& settings);

/// Puts operations 18, 19 and 20 into the dispatcher's table.
void RegisterEthernetOperations(CommandDispatcher& dispatcher);

} // namespace norvane
