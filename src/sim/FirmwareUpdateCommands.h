#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// Where the printer fetches firmware updates from: the FTPUPD lines, one quoted value each.
class FirmwareUpdateCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
