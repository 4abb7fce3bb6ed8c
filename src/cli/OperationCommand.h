#pragma once

#include "CliCommand.h"
#include "protocol/OperationCode.h"

namespace norvane::cli {

/// A command that runs one printer operation without a record and prints nothing on success.
class OperationCommand : public CliCommand
{
public:
    OperationCommand(QString name, QString summary, OperationCode op)
        : m_name(std::move(name)), m_summary(std::move(summary)), m_op(op)
    {
    }

    QString name() const override { return m_name; }
    QString usage() const override { return m_name; }
    QString summary() const override { return m_summary; }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;

private:
    QString m_name;
    QString m_summary;
    OperationCode m_op;
};

} // namespace norvane::cli
