#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace norvane::cli {

/// Runs the tool with `arguments` (without the program name); returns the exit status. `in` is standard
/// input, read only by the commands given "-" for it; without one they find it empty.
int RunCli(QStringList arguments, QTextStream& out, QTextStream& err, QIODevice* in = nullptr);

} // namespace norvane::cli
