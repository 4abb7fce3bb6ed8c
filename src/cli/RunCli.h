#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace norvane::cli {

/// Runs the tool with `arguments` (without the program name); returns the exit status. `in` is standard
/// input, read only by the commands given "-" for it; without one they find it empty.
int RunCli(QStringList arguments, QTextStream& out, QTextStream& err, QIODevice* in = nullptr);

/// How a run for one target of a batch differs: its password comes from the caller (as --password would
/// give it, yet on no command line), and it draws no progress bar, which would mix with the others'.
struct BatchTargetRun
{
    std::optional<QString> password;
};

/// One target's run of the tool; safe to call from several threads at once.
int RunCli(QStringList arguments, QTextStream& out, QTextStream& err, const BatchTargetRun& target);

} // namespace norvane::cli
