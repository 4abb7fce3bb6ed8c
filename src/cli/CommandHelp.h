#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// `norvane-cli --help`: the tool's usage, exit statuses, link options and every command.
QString ToolHelp(const CliCommands& commands);

/// `norvane-cli COMMAND --help`: the command's usage, what it does, its options and the link options.
QString CommandHelp(const CliCommand& command);

/// The command's usage line and where its help is, printed after a usage error.
QString CommandUsage(const CliCommand& command);

} // namespace norvane::cli
