#include "RunCli.h"

#include "CliCommand.h"
#include "CliSession.h"
#include "LinkOptions.h"
#include "TerminalProgress.h"
#include "link/SystemTransportOpener.h"

#include <unistd.h>

namespace norvane::cli {

namespace {

QString usageText(const CliCommands& commands)
{
    QString text = QStringLiteral(
        "usage: norvane-cli [LINK] COMMAND [ARGS]\n\n"
        "Talks to one thermal label printer. The exit status is the operation's result code (0 success,\n"
        "1 Port Open Error, 2 Data Transmission Error, 3 Data Receiving Error, 4 File Open Error,\n"
        "5 Unknow Error, 6 Not Support), 64 for a usage error, 65 for an input file that cannot be read or\n"
        "parsed, 73 for an output file that cannot be written.\n\n");
    text += LinkOptionsHelp();
    text += QStringLiteral("\nCOMMAND:\n");
    constexpr qsizetype kUsageWidth = 27;
    for (const auto& command : commands) {
        const QString usage = command->usage();
        // A long usage line gets the summary on the next line.
        const QString gap = usage.size() < kUsageWidth ? QString(kUsageWidth - usage.size(), u' ')
                                                       : QStringLiteral("\n") + QString(kUsageWidth + 2, u' ');
        text += QStringLiteral("  ") + usage + gap + command->summary() + u'\n';
    }
    return text;
}

} // namespace

int RunCli(QStringList arguments, QTextStream& out, QTextStream& err)
{
    const CliCommands commands = AllCliCommands();
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        out << usageText(commands);
        return 0;
    }
    LinkChoice choice;
    if (const QString error = TakeLinkOptions(arguments, choice); !error.isEmpty()) {
        err << "norvane-cli: " << error << "\n\n" << usageText(commands);
        return kExitUsage;
    }
    if (arguments.isEmpty()) {
        err << usageText(commands);
        return kExitUsage;
    }
    const QString name = arguments.takeFirst();
    for (const auto& command : commands) {
        if (command->name() != name)
            continue;
        CliSession session(out, err);
        session.kind = choice.kind;
        session.settings = choice.settings;
        session.connect(std::make_unique<SystemTransportOpener>(choice.usbRoots));
        session.links->timeouts() = choice.timeouts();
        TerminalProgress terminal(stderr);
        if (::isatty(STDERR_FILENO))
            session.progress.setView(&terminal);
        return command->execute(session, arguments);
    }
    err << "norvane-cli: unknown command " << name << "\n\n" << usageText(commands);
    return kExitUsage;
}

} // namespace norvane::cli
