#include "PasswordCommands.h"

namespace norvane::sim {

namespace {
const QByteArray kPrefix = "DIAGNOSTIC PASSWORD \"";
}

QList<QByteArray> PasswordCommands::keys() const
{
    return {"DIAGNOSTIC PASSWORD"};
}

void PasswordCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    // The closing quote must be a byte of its own, not the opening one.
    if (!command.text.startsWith(kPrefix) || command.text.size() <= kPrefix.size() || !command.text.endsWith('"'))
        return;
    state.reports["PASSWORD"] = command.text.sliced(kPrefix.size(), command.text.size() - kPrefix.size() - 1);
    replies.append({Frame("OK"), true});
}

} // namespace norvane::sim
