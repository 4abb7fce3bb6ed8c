#include "PasswordGate.h"

#include "CliSession.h"
#include "PasswordInput.h"
#include "PrinterText.h"

#include <QFile>

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kFileOption("printer-password-file");

QString howToGive()
{
    return QStringLiteral("give the printer's password in %1 or with --printer-password-file FILE|- "
                          "(\"-\" reads it from standard input)")
        .arg(QLatin1StringView(kPasswordVariable));
}

/// The variable's text, the newer name first; nothing when neither is set.
std::optional<QString> passwordFromEnvironment()
{
    for (const char* variable : {kPasswordVariable, kOlderPasswordVariable}) {
        if (qEnvironmentVariableIsSet(variable))
            return qEnvironmentVariable(variable);
    }
    return std::nullopt;
}

/// The first line of `path`, or of standard input for "-".
std::optional<QString> readPasswordFile(CliSession& session, const QString& path, QString& error)
{
    if (path == QStringLiteral("-")) {
        auto line = ReadPasswordLine(session.in, error);
        if (!line)
            error = QStringLiteral("standard input: ") + error;
        return line;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    auto line = ReadPasswordLine(&file, error);
    if (!line)
        error = QStringLiteral("%1: %2").arg(path, error);
    return line;
}

} // namespace

QCommandLineOption PrinterPasswordFileOption()
{
    return {kFileOption,
            QStringLiteral("read the printer's current password from the first line of FILE\n"
                           "(\"-\": standard input)"),
            QStringLiteral("FILE|-")};
}

QString PrinterPasswordHelp()
{
    return QStringLiteral("A printer with a password is changed only when its current password is given: in the\n"
                          "environment variable %1, or as the first line of --printer-password-file FILE\n"
                          "(\"-\" reads standard input), or with --password TEXT, which shows in the process list.\n"
                          "The file wins over --password, which wins over the variable. The password is read from\n"
                          "the printer and compared first; a missing or wrong password prints \"Incorrect\" on\n"
                          "stderr, sends nothing and exits with 77.\n")
        .arg(QLatin1StringView(kPasswordVariable));
}

int TakeGivenPrinterPassword(CliSession& session, const QCommandLineParser& arguments, std::optional<QByteArray>& given)
{
    given.reset();
    std::optional<QString> text;
    if (arguments.isSet(kFileOption)) {
        QString error;
        text = readPasswordFile(session, arguments.value(kFileOption), error);
        if (!text) {
            session.err << "norvane-cli: " << error << Qt::endl;
            return kExitBadInput;
        }
    } else if (session.password) {
        text = session.password;
    } else {
        text = passwordFromEnvironment();
    }
    if (!text)
        return 0;
    given = PrinterBytes(*text);
    if (!given) {
        session.err << "norvane-cli: the printer's password may hold Latin-1 characters only" << Qt::endl;
        return kExitBadInput;
    }
    return 0;
}

int PassPasswordGate(CliSession& session, const std::optional<QByteArray>& given, QByteArray& current)
{
    const ResultCode result = session.run<OperationCode::ReadPassword>(current);
    if (result != ResultCode::Success)
        return static_cast<int>(result);
    if (current.isEmpty() || (given && *given == current))
        return 0;
    session.err << "Incorrect" << Qt::endl;
    if (given)
        session.err << "norvane-cli: the password given is not the printer's; " << howToGive() << Qt::endl;
    else
        session.err << "norvane-cli: the printer has a password; " << howToGive() << Qt::endl;
    return kExitIncorrectPassword;
}

int PassPasswordGate(CliSession& session, const QCommandLineParser& arguments)
{
    std::optional<QByteArray> given;
    if (const int status = TakeGivenPrinterPassword(session, arguments, given); status != 0)
        return status;
    QByteArray current;
    return PassPasswordGate(session, given, current);
}

} // namespace norvane::cli
