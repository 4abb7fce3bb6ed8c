#pragma once

#include <QStringList>
#include <QTextStream>

namespace norvane::cli {

/// Runs the tool with `arguments` (without the program name); returns the exit status.
int RunCli(QStringList arguments, QTextStream& out, QTextStream& err);

} // namespace norvane::cli
