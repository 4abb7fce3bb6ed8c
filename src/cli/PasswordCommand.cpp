#include "PasswordCommand.h"

#include "CliSession.h"
#include "PrinterText.h"
#include "protocol/PrinterPassword.h"

namespace norvane::cli {

int PasswordCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    if (words == QStringList{QStringLiteral("get")}) {
        QByteArray password;
        const ResultCode result = session.run(OperationCode::ReadPassword, &password);
        if (result == ResultCode::Success)
            session.out << TerminalText(password) << Qt::endl;
        return static_cast<int>(result);
    }
    if (words.size() == 2 && words[0] == QStringLiteral("set")) {
        QByteArray password = words[1].toLatin1();
        if (QString::fromLatin1(password) != words[1]) {
            session.err << "norvane-cli: the password may hold Latin-1 characters only" << Qt::endl;
            return kExitUsage;
        }
        if (const QString problem = NewPasswordProblem(password); !problem.isEmpty()) {
            session.err << "norvane-cli: " << problem << Qt::endl;
            return kExitUsage;
        }
        return static_cast<int>(session.run(OperationCode::SendPassword, &password));
    }
    return kExitUsage;
}

} // namespace norvane::cli
