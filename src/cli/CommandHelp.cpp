#include "CommandHelp.h"

#include "CommandLine.h"
#include "LinkOptions.h"
#include "PasswordGate.h"

namespace norvane::cli {

namespace {

QString usageLine(const CliCommand& command)
{
    return QStringLiteral("usage: norvane-cli ") + (command.needsPrinter() ? QStringLiteral("[LINK] ") : QString()) +
           command.usage() + u'\n';
}

} // namespace

QString ToolHelp(const CliCommands& commands)
{
    QString text = QStringLiteral(
        "usage: norvane-cli [LINK] COMMAND [ARGS]\n\n"
        "Talks to one thermal label printer. The exit status is the operation's result code (0 success,\n"
        "1 Port Open Error, 2 Data Transmission Error, 3 Data Receiving Error, 4 File Open Error,\n"
        "5 Unknow Error, 6 Not Support), 64 for a usage error, 65 for an input file that cannot be read or\n"
        "parsed, 73 for an output file that cannot be written, 75 when write-config --verify finds settings\n"
        "the printer did not keep, 77 when the printer's password is missing or wrong. Texts from the\n"
        "printer are printed with control bytes and backslashes as \\xNN.\n"
        "norvane-cli COMMAND --help shows a command's own usage and options; norvane-cli --version the\n"
        "tool's version.\n\n");
    text += QStringLiteral("LINK (before the command, or after it; default --usb):\n") + OptionsHelp(LinkOptions());
    text += QStringLiteral("\nCOMMAND:\n");
    constexpr qsizetype kUsageWidth = 27;
    for (const auto& command : commands) {
        const QString usage = command->usage();
        // A long usage line gets the summary on the next line.
        const QString gap = usage.size() < kUsageWidth ? QString(kUsageWidth - usage.size(), u' ')
                                                       : QStringLiteral("\n") + QString(kUsageWidth + 2, u' ');
        text += QStringLiteral("  ") + usage + gap + command->summary() + u'\n';
    }
    text += QStringLiteral("\nENVIRONMENT:\n"
                           "  %1            the printer's current password, for the commands that change\n"
                           "                              the printer (factory-default, write-config, files download,\n"
                           "                              files format, password set, clock set, sensor calibrate);\n"
                           "                              %2 is read when it is not set\n")
                .arg(QLatin1StringView(kPasswordVariable), QLatin1StringView(kOlderPasswordVariable));
    return text;
}

QString CommandHelp(const CliCommand& command)
{
    QString text = usageLine(command) + u'\n' + command.summary() + u'\n';
    if (const QString details = command.details(); !details.isEmpty())
        text += u'\n' + details;
    text += QStringLiteral("\nOptions:\n") + OptionsHelp(command.options() + QList{HelpOption()});
    if (command.needsPrinter())
        text += QStringLiteral("\nLINK (before or after the command; default --usb):\n") + OptionsHelp(LinkOptions());
    return text;
}

QString CommandUsage(const CliCommand& command)
{
    return usageLine(command) + QStringLiteral("norvane-cli %1 --help shows its options.\n").arg(command.name());
}

} // namespace norvane::cli
