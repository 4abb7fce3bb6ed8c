#pragma once

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

namespace norvane::cli {

class CliSession;

/// The environment variable that may hold the printer's current password.
inline constexpr char kPasswordVariable[] = "NORVANE_PASSWORD";
/// Its name before it had the --password option's; still read when the other is not set.
inline constexpr char kOlderPasswordVariable[] = "NORVANE_PRINTER_PASSWORD";

/// "--printer-password-file FILE|-": an option of every command that changes the printer.
QCommandLineOption PrinterPasswordFileOption();

/// The help paragraph of those commands: how to give the password and what a wrong one does.
QString PrinterPasswordHelp();

/// The printer's password as the user gave it: the first line of the --printer-password-file file
/// (standard input for "-"), else the --password link option, else NORVANE_PASSWORD, else
/// NORVANE_PRINTER_PASSWORD; nothing when none is there. Returns 0, or an exit status after saying why
/// (a file that cannot be read, 65).
int TakeGivenPrinterPassword(CliSession& session, const QCommandLineParser& arguments,
                             std::optional<QByteArray>& given);

/// Reads the printer's password into `current`; 0 lets the changing action go on: the printer has no
/// password or `given` is the same text. Otherwise the exit status: the read's result code (its message
/// written), or 77 after "Incorrect" and how to give the password.
int PassPasswordGate(CliSession& session, const std::optional<QByteArray>& given, QByteArray& current);

/// Both steps, for a command that needs nothing more of the password.
int PassPasswordGate(CliSession& session, const QCommandLineParser& arguments);

} // namespace norvane::cli
