#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// Commands that make the printer do something once: factory defaults, the configuration page.
class PrinterFunctionCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
