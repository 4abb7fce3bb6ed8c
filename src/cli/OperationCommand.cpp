#include "OperationCommand.h"

#include "CliSession.h"
#include "PasswordGate.h"

namespace norvane::cli {

QString OperationCommand::usage() const
{
    if (m_guard == PasswordGuard::PrinterPassword)
        return m_name + QStringLiteral(" [--printer-password-file FILE|-]");
    return m_name;
}

QString OperationCommand::details() const
{
    return m_guard == PasswordGuard::PrinterPassword ? PrinterPasswordHelp() : QString();
}

QList<QCommandLineOption> OperationCommand::options() const
{
    if (m_guard == PasswordGuard::PrinterPassword)
        return {PrinterPasswordFileOption()};
    return {};
}

int OperationCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty()) {
        session.err << "norvane-cli: " << m_name << " takes no arguments" << Qt::endl;
        return kExitUsage;
    }
    if (m_guard == PasswordGuard::PrinterPassword) {
        if (const int status = PassPasswordGate(session, arguments); status != 0)
            return status;
    }
    return static_cast<int>(session.run(m_op));
}

} // namespace norvane::cli
