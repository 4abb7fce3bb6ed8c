#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace norvane::cli {

class CliSession;

/// One command of the tool: its name, its usage line, and what it does.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    /// "status" or "password set NEW": the command with its arguments, for --help.
    virtual QString usage() const = 0;
    virtual QString summary() const = 0;
    /// Whether the command talks to a printer (and so takes the link options).
    virtual bool needsPrinter() const { return true; }
    /// The exit status: a result code, or 64 for a usage error.
    virtual int execute(CliSession& session, const QStringList& arguments) = 0;
};

using CliCommands = std::vector<std::unique_ptr<CliCommand>>;

/// Every command of the tool, in the order --help lists them.
CliCommands AllCliCommands();

} // namespace norvane::cli
