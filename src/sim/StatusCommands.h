#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The escape sequences: status bytes, reset, ignore the start-up program, exit line mode, emulation choice.
class StatusCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
