#pragma once

#include "CommandStream.h"
#include "PrinterState.h"
#include "SimFault.h"

#include <QList>

namespace norvane::sim {

/// The printer's handling of one family of commands. The printer hands a command to the family that owns
/// its key, so families never compete for a command and their order does not matter.
class CommandFamily
{
public:
    virtual ~CommandFamily() = default;
    /// The keys of the family's commands: leading words of a line ("SET", "DIAGNOSTIC REPORT SCANBT"),
    /// ESC and the bytes of an escape sequence ("\x1b!?"), or the single lead-in byte of a framed line
    /// ("\x10"). Each key belongs to one family only.
    virtual QList<QByteArray> keys() const = 0;
    /// Lets the stream know which lines announce binary data.
    virtual void addPayloadRules(CommandStream&) const {}
    /// Carries out one of the family's commands; answers go to `replies`. A command it does not know is ignored.
    virtual void handle(const Command& command, PrinterState& state, QList<Reply>& replies) = 0;
};

} // namespace norvane::sim
