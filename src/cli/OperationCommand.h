#pragma once

#include "CliCommand.h"
#include "protocol/OperationCode.h"

namespace norvane::cli {

/// Whether a command changes the printer in a way its password guards.
enum class PasswordGuard
{
    None,
    PrinterPassword,
};

/// A command that runs one printer operation without a record and prints nothing on success.
class OperationCommand : public CliCommand
{
public:
    OperationCommand(QString name, QString summary, OperationCode op, PasswordGuard guard = PasswordGuard::None)
        : m_name(std::move(name)), m_summary(std::move(summary)), m_op(op), m_guard(guard)
    {
    }

    QString name() const override { return m_name; }
    QString usage() const override;
    QString summary() const override { return m_summary; }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;

private:
    QString m_name;
    QString m_summary;
    OperationCode m_op;
    PasswordGuard m_guard;
};

} // namespace norvane::cli
