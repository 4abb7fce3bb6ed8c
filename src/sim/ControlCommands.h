#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The escape sequences that make the printer act: reset, ignore the start-up program, exit line mode,
/// choose the emulation.
class ControlCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
