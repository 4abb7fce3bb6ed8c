#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// Settings of the two emulations: "Z" commands wrapped in their control or format prefix and suffix,
/// and "D" commands in any of their three control-code sets.
class EmulationSettingCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
