#pragma once

#include "CommandStream.h"
#include "PrinterState.h"
#include "SimFault.h"

#include <QList>

namespace norvane::sim {

/// The printer's handling of one family of commands.
class CommandFamily
{
public:
    virtual ~CommandFamily() = default;
    /// Lets the stream know which lines announce binary data.
    virtual void addPayloadRules(CommandStream&) const {}
    /// Carries out the command if it belongs to the family; answers go to `replies`.
    virtual bool handle(const Command& command, PrinterState& state, QList<Reply>& replies) = 0;
};

} // namespace norvane::sim
