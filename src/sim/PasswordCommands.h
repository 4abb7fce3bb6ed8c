#pragma once

#include "CommandFamily.h"

namespace norvane::sim {

/// "DIAGNOSTIC PASSWORD "…"": sets the password that "DIAGNOSTIC REPORT PASSWORD" answers.
class PasswordCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

} // namespace norvane::sim
