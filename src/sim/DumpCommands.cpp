#include "DumpCommands.h"

#include "CommandArguments.h"

namespace norvane::sim {

namespace {
const QByteArray kStart = "DUMP_TEXT";
const QByteArray kFileRequest = "DIAGNOSTIC FILE";
} // namespace

QList<QByteArray> DumpCommands::keys() const
{
    return {kStart, kFileRequest};
}

void DumpCommands::addPayloadRules(CommandStream& stream) const
{
    stream.addCommaEndedCommand(QRegularExpression(QStringLiteral("^DUMP_TEXT (PRINT|SAVE 1000,(E,)?\"[^\"]*\"),$")));
}

void DumpCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.text.startsWith(kStart + ' ')) {
        state.dump.starts.append(command.text);
        return;
    }
    const QList<QByteArray> names = QuotedValues(command.text);
    if (names.size() != 1 || command.text != kFileRequest + " \"" + names.first() + '"')
        return;
    const auto found = state.dump.files.constFind(names.first());
    if (found == state.dump.files.constEnd()) {
        state.remark("no such file");
        return;
    }
    replies.append({Frame(*found), true});
}

} // namespace norvane::sim
