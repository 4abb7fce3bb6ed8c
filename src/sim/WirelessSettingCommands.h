#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The built-in wireless module's WLAN lines (WLAN DEFAULT restores its factory settings) and the
/// certificates sent with DLCERT.
class WirelessSettingCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void addPayloadRules(CommandStream& stream) const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
