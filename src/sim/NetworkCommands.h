#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The Ethernet interface's commands ("NET DHCP", "NET IP", "NET NAME") and its reports (CONFIGIP, GATEWAY,
/// IPMASK, LASTUSEDIP, NETNAME, MACADDR), all from the one network state.
class NetworkCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
