#include "CommandLine.h"

#include <algorithm>

namespace norvane::cli {

namespace {

constexpr qsizetype kDescriptionColumn = 30;

QString spelled(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

/// The value name is what the help shows, so "-" is taken exactly where the help offers it.
bool takesDash(const QCommandLineOption& option)
{
    return option.valueName().endsWith(QStringLiteral("|-"));
}

} // namespace

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help"));
}

QCommandLineOption VersionOption()
{
    return QCommandLineOption(QStringLiteral("version"), QStringLiteral("show the program's version"));
}

CommandLineCheck ParseCommandLine(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                  const QStringList& arguments)
{
    const bool parsed = parser.parse(QStringList{QStringLiteral("norvane-cli")} + arguments);
    const QCommandLineOption help = HelpOption();
    CommandLineCheck check;
    check.helpAsked = parser.isSet(help);
    for (const QCommandLineOption& option : options) {
        if (option.valueName().isEmpty())
            continue;
        for (const QString& value : parser.values(option)) {
            const bool asksHelp = std::any_of(help.names().cbegin(), help.names().cend(),
                                              [&](const QString& name) { return value == spelled(name); });
            if (asksHelp)
                check.helpAsked = true;
            else if (value.startsWith(u'-') && !(value == QStringLiteral("-") && takesDash(option)) &&
                     check.error.isEmpty())
                check.error =
                    QStringLiteral("%1 needs a value, not %2").arg(spelled(option.names().constFirst()), value);
        }
    }
    if (!parsed && check.error.isEmpty())
        check.error = parser.errorText();
    return check;
}

QString OptionsHelp(const QList<QCommandLineOption>& options)
{
    const QString indent(kDescriptionColumn, u' ');
    QString text;
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << spelled(name);
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += u' ' + option.valueName();
        // A long option line gets its description on the next line.
        text += left;
        text += left.size() < kDescriptionColumn ? QString(kDescriptionColumn - left.size(), u' ')
                                                 : QStringLiteral("\n") + indent;
        text += QString(option.description()).replace(u'\n', QStringLiteral("\n") + indent) + u'\n';
    }
    return text;
}

} // namespace norvane::cli
