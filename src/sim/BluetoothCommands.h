#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The Bluetooth module's device search ("DIAGNOSTIC REPORT SCANBT") and master connection ("BT DMAC").
class BluetoothCommands : public CommandFamily
{
public:
    bool handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
