#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The built-in wireless module's WLAN lines (WLAN DEFAULT restores its factory settings), the
/// certificates sent with DLCERT, Bluetooth (BT) and the firmware update settings (FTPUPD).
class WirelessSettingCommands : public CommandFamily
{
public:
    void addPayloadRules(CommandStream& stream) const override;
    bool handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
