#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The status queries: ESC "!?" answers the status byte, ESC "!S" the extended status bytes.
class StatusCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
