#include "PasswordCommand.h"

#include "CliSession.h"
#include "PasswordGate.h"
#include "PasswordInput.h"
#include "PrinterText.h"
#include "protocol/PrinterPassword.h"

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kStandardInput("-");

/// The new password: the argument, or a line of standard input for "-". Returns 0 or an exit status.
int takeNewPassword(CliSession& session, const QString& argument, QByteArray& password)
{
    QString text = argument;
    if (argument == kStandardInput) {
        QString error;
        const auto line = ReadPasswordLine(session.in, error);
        if (!line) {
            session.err << "norvane-cli: standard input: " << error << Qt::endl;
            return kExitBadInput;
        }
        text = *line;
    } else if (argument.startsWith(u'-')) {
        session.err << "norvane-cli: a new password that starts with \"-\" is read from standard input: "
                       "password set -"
                    << Qt::endl;
        return kExitUsage;
    }
    const auto bytes = PrinterBytes(text);
    if (!bytes) {
        session.err << "norvane-cli: the password may hold Latin-1 characters only" << Qt::endl;
        return kExitUsage;
    }
    if (const QString problem = NewPasswordProblem(*bytes); !problem.isEmpty()) {
        session.err << "norvane-cli: " << problem << Qt::endl;
        return kExitUsage;
    }
    password = *bytes;
    return 0;
}

int setPassword(CliSession& session, const QCommandLineParser& arguments, const QString& newArgument)
{
    // The current password is taken first, so with both on standard input it is the first line.
    std::optional<QByteArray> given;
    if (const int status = TakeGivenPrinterPassword(session, arguments, given); status != 0)
        return status;
    QByteArray password;
    if (const int status = takeNewPassword(session, newArgument, password); status != 0)
        return status;
    QByteArray current;
    if (const int status = PassPasswordGate(session, given, current); status != 0)
        return status;
    if (password == current)
        return 0;
    return static_cast<int>(session.run<OperationCode::SendPassword>(password));
}

} // namespace

QString PasswordCommand::details() const
{
    return QStringLiteral(
               "  get         prints the printer's password alone on its line (an empty line when it has none)\n"
               "  set NEW|-   changes it to NEW: at most %1 Latin-1 characters, without double quotes or\n"
               "              control characters; empty removes it. Prefer \"-\", which reads the new password\n"
               "              from a line of standard input: an argument shows in the process list. When the\n"
               "              current password is read from standard input too, it is the first line and the\n"
               "              new one the second. Setting the current password again sends nothing.\n\n")
               .arg(kMaxPasswordLength) +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> PasswordCommand::options() const
{
    return {PrinterPasswordFileOption()};
}

int PasswordCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    if (words == QStringList{QStringLiteral("get")}) {
        if (arguments.isSet(PrinterPasswordFileOption())) {
            session.err << "norvane-cli: password get reads no password" << Qt::endl;
            return kExitUsage;
        }
        QByteArray password;
        const ResultCode result = session.run<OperationCode::ReadPassword>(password);
        if (result == ResultCode::Success)
            session.out << TerminalText(password) << Qt::endl;
        return static_cast<int>(result);
    }
    if (words.size() == 2 && words[0] == QStringLiteral("set"))
        return setPassword(session, arguments, words[1]);
    return kExitUsage;
}

} // namespace norvane::cli
