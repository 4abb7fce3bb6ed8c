#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// The queries: "DIAGNOSTIC INTERFACE", "DIAGNOSTIC REPORT" with framed answers, and the serial number line.
class DiagnosticCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
