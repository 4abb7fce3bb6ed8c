#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// Dump mode: its start, which ends at a comma without a line end, and the request for a printer file.
class DumpCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void addPayloadRules(CommandStream& stream) const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
