#include "RunCli.h"

#include "CliCommand.h"
#include "CliSession.h"
#include "CommandHelp.h"
#include "CommandLine.h"
#include "LinkOptions.h"
#include "TerminalProgress.h"
#include "TraceOption.h"
#include "link/SystemTransportOpener.h"

#include <QCoreApplication>
#include <unistd.h>

namespace norvane::cli {

namespace {

CliCommand* findCommand(const CliCommands& commands, const QString& name)
{
    for (const auto& command : commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

int runCli(QStringList arguments, QTextStream& out, QTextStream& err, QIODevice* in, const BatchTargetRun* target)
{
    const CliCommands commands = AllCliCommands();
    const QList<QCommandLineOption> linkOptions = LinkOptions();

    // The tool's own options stop at the command name; the rest belongs to the command.
    QCommandLineParser toolParser;
    toolParser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    toolParser.addOptions(linkOptions);
    toolParser.addOption(HelpOption());
    toolParser.addOption(VersionOption());
    const CommandLineCheck toolCheck = ParseCommandLine(toolParser, linkOptions, arguments);
    if (toolCheck.helpAsked) {
        out << ToolHelp(commands);
        return 0;
    }
    if (toolCheck.error.isEmpty() && toolParser.isSet(VersionOption())) {
        out << "norvane-cli " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    LinkChoice choice;
    QString error = toolCheck.error.isEmpty() ? ApplyLinkOptions(toolParser, choice) : toolCheck.error;
    if (!error.isEmpty()) {
        err << "norvane-cli: " << error << "\n\n" << ToolHelp(commands);
        return kExitUsage;
    }
    QStringList commandArguments = toolParser.positionalArguments();
    if (commandArguments.isEmpty()) {
        err << ToolHelp(commands);
        return kExitUsage;
    }
    const QString name = commandArguments.takeFirst();
    CliCommand* command = findCommand(commands, name);
    if (!command) {
        err << "norvane-cli: unknown command " << name << "\n\n" << ToolHelp(commands);
        return kExitUsage;
    }

    QList<QCommandLineOption> options = command->options();
    if (command->needsPrinter())
        options += linkOptions;
    QCommandLineParser commandParser;
    commandParser.addOptions(options);
    commandParser.addOption(HelpOption());
    const CommandLineCheck check = ParseCommandLine(commandParser, options, commandArguments);
    if (check.helpAsked) {
        out << CommandHelp(*command);
        return 0;
    }
    error = check.error;
    if (error.isEmpty() && command->needsPrinter())
        error = ApplyLinkOptions(commandParser, choice);
    if (!error.isEmpty()) {
        err << "norvane-cli: " << error << '\n' << CommandUsage(*command);
        return kExitUsage;
    }

    CliSession session(out, err);
    session.in = in;
    session.kind = choice.kind;
    session.settings = choice.settings;
    session.password = target && target->password ? target->password : choice.password;
    session.discoveryTargets = choice.discoveryTargets;
    session.connect(std::make_unique<SystemTransportOpener>(choice.usbRoots));
    session.links->timeouts() = choice.timeouts();
    if (command->needsPrinter() && !choice.traceFile.isEmpty() && !StartTrace(session, choice.traceFile))
        return kExitCannotWrite;
    TerminalProgress terminal(stderr);
    if (!target && ::isatty(STDERR_FILENO))
        session.progress.setView(&terminal);
    const int status = command->execute(session, commandParser);
    if (status == kExitUsage)
        err << CommandUsage(*command);
    return status;
}

} // namespace

int RunCli(QStringList arguments, QTextStream& out, QTextStream& err, QIODevice* in)
{
    return runCli(std::move(arguments), out, err, in, nullptr);
}

int RunCli(QStringList arguments, QTextStream& out, QTextStream& err, const BatchTargetRun& target)
{
    return runCli(std::move(arguments), out, err, nullptr, &target);
}

} // namespace norvane::cli
