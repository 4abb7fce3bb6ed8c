#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace norvane::cli {

class CliSession;

/// One command of the tool: its name, its usage and options, and what it does.
class CliCommand
{
public:
    virtual ~CliCommand() = default;
    virtual QString name() const = 0;
    /// "status" or "password get | set NEW|-": the command with its arguments, for the usage texts.
    virtual QString usage() const = 0;
    virtual QString summary() const = 0;
    /// More of `COMMAND --help`: what the arguments mean, what the command prints.
    virtual QString details() const { return {}; }
    /// The command's own options; a printer command also takes the link options.
    virtual QList<QCommandLineOption> options() const { return {}; }
    /// Whether the command talks to a printer (and so takes the link options).
    virtual bool needsPrinter() const { return true; }
    /// The exit status: a result code, or another status of the tool (64 for a usage error, after which the
    /// tool prints the command's usage). `arguments` holds the command's parsed options and arguments.
    virtual int execute(CliSession& session, const QCommandLineParser& arguments) = 0;
};

using CliCommands = std::vector<std::unique_ptr<CliCommand>>;

/// Every command of the tool, in the order --help lists them.
CliCommands AllCliCommands();

} // namespace norvane::cli
