#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The Bluetooth module: its device search ("DIAGNOSTIC REPORT SCANBT"), the master connection
/// ("BT DMAC") and its identity settings ("BT PINCODE", "BT NAME").
class BluetoothCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
