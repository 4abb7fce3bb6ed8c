#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace norvane::cli {

/// "-h, --help": the tool's and every command's.
QCommandLineOption HelpOption();

/// "--version": the tool's own, before a command.
QCommandLineOption VersionOption();

/// What parsing one command line found beyond the parser's values.
struct CommandLineCheck
{
    bool helpAsked = false;
    QString error; ///< a usage error, or empty
};

/// Parses `arguments` (without the program name) with `parser`, which holds `options` and the help option.
/// An option's value may not look like an option: "-h" or "--help" there asks for help, any other
/// value starting with "-" is refused, except "-" itself for an option whose value name offers it
/// ("FILE|-"). Help wins over every error, so "password set -h" never goes further.
CommandLineCheck ParseCommandLine(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                  const QStringList& arguments);

/// The options as help lines: "  --name VALUE" and the description from one column on.
QString OptionsHelp(const QList<QCommandLineOption>& options);

} // namespace norvane::cli
