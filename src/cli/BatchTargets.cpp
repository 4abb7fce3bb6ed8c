#include "BatchTargets.h"

#include "CommandLine.h"
#include "LinkOptions.h"

#include <QHash>
#include <QRegularExpression>

namespace norvane::cli {

namespace {

const QString kPasswordEnv = QStringLiteral("password-env");

QCommandLineOption passwordEnvOption()
{
    return {kPasswordEnv, QStringLiteral("the environment variable holding this printer's password"),
            QStringLiteral("VAR")};
}

/// The words of the line without "--password-env VAR" or "--password-env=VAR".
QStringList withoutPasswordVariable(const QStringList& words)
{
    QStringList kept;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i] == QStringLiteral("--") + kPasswordEnv)
            ++i;
        else if (!words[i].startsWith(QStringLiteral("--") + kPasswordEnv + u'='))
            kept << words[i];
    }
    return kept;
}

/// The printer a link reaches, however the line spells it: "10.0.0.5" and "10.0.0.5:9100" are one printer.
QString printerOf(const LinkChoice& choice)
{
    switch (choice.kind) {
    case InterfaceKind::Ethernet:
        return QStringLiteral("net %1:%2")
            .arg(choice.settings.ethernet.host.toLower())
            .arg(choice.settings.ethernet.port);
    case InterfaceKind::Com:
        return QStringLiteral("com ") + choice.settings.serial.portName;
    case InterfaceKind::Lpt:
        return QStringLiteral("lpt ") + choice.settings.parallel.portName;
    case InterfaceKind::Usb:
        break;
    }
    return QStringLiteral("usb ") + choice.usbRoots.sysfs;
}

/// The target's name from the last interface option, or an error; `printer` says which printer it reaches.
std::optional<BatchTarget> parseLine(const QString& line, QString& printer, QString& error)
{
    if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.category() == QChar::Other_Control; })) {
        error = QStringLiteral("a control character");
        return std::nullopt;
    }
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<QCommandLineOption> options = LinkOptions();
    options << passwordEnvOption();
    QCommandLineParser parser;
    parser.addOptions(options);
    parser.addOption(HelpOption());
    const CommandLineCheck check = ParseCommandLine(parser, options, words);
    LinkChoice choice;
    error = check.helpAsked ? QStringLiteral("--help is no link option") : check.error;
    if (error.isEmpty() && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("%1 is no link option").arg(parser.positionalArguments().constFirst());
    if (error.isEmpty() && parser.isSet(QStringLiteral("password")))
        error = QStringLiteral("--password would show on a command line; name an environment variable "
                               "with --password-env VAR");
    if (error.isEmpty())
        error = ApplyLinkOptions(parser, choice);
    if (!error.isEmpty())
        return std::nullopt;

    BatchTarget target;
    for (const QString& option : parser.optionNames()) {
        if (option == QStringLiteral("usb"))
            target.name = QStringLiteral("usb");
        else if (option == QStringLiteral("com") || option == QStringLiteral("lpt") || option == QStringLiteral("net"))
            target.name = parser.values(option).constLast();
    }
    if (target.name.isEmpty()) {
        error = QStringLiteral("no --usb, --com, --lpt or --net");
        return std::nullopt;
    }
    if (parser.isSet(kPasswordEnv))
        target.passwordVariable = parser.values(kPasswordEnv).constLast();
    target.fileName = TargetFileName(target.name);
    printer = printerOf(choice);
    target.linkArguments = withoutPasswordVariable(words);
    return target;
}

} // namespace

QString TargetFileName(const QString& name)
{
    QString safe;
    for (const QChar c : name) {
        const bool kept = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                          c == u'.' || c == u'-' || c == u'_';
        safe += kept ? c : u'_';
    }
    // "..", "-x" or ".hidden" would make a file name mean something else.
    while (!safe.isEmpty() && (safe[0] == u'.' || safe[0] == u'-' || safe[0] == u'_'))
        safe.remove(0, 1);
    return safe.isEmpty() ? QStringLiteral("target") : safe;
}

std::optional<QList<BatchTarget>> ParseBatchTargets(const QByteArray& text, QString& error)
{
    QList<BatchTarget> targets;
    QHash<QString, int> lineOfFileName;
    QHash<QString, int> lineOfPrinter;
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        QString problem;
        QString printer;
        const auto target = parseLine(trimmed, printer, problem);
        if (!target) {
            error = QStringLiteral("line %1: %2").arg(lineNumber).arg(problem);
            return std::nullopt;
        }
        // Two links to one printer at once would mix their exchanges.
        if (const auto earlier = lineOfPrinter.constFind(printer); earlier != lineOfPrinter.constEnd()) {
            error = QStringLiteral("line %1: the same printer as line %2").arg(lineNumber).arg(*earlier);
            return std::nullopt;
        }
        lineOfPrinter.insert(printer, lineNumber);
        if (const auto earlier = lineOfFileName.constFind(target->fileName); earlier != lineOfFileName.constEnd()) {
            error = QStringLiteral("line %1: the same target as line %2 (both write files as %3)")
                        .arg(lineNumber)
                        .arg(*earlier)
                        .arg(target->fileName);
            return std::nullopt;
        }
        lineOfFileName.insert(target->fileName, lineNumber);
        targets << *target;
    }
    if (targets.isEmpty()) {
        error = QStringLiteral("no targets");
        return std::nullopt;
    }
    return targets;
}

} // namespace norvane::cli
