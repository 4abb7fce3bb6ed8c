#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The printer's own command lines for its common settings and its serial port (SPEED, SIZE, GAP,
/// the post-print triple, SET COM1, ...), kept so the diagnostic reports answer what was set.
class CommonSettingCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
