#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "clock get" prints the printer's real-time clock as JSON; "clock set now|TIME" sets it, after the
/// printer's password.
class ClockCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("clock"); }
    QString usage() const override
    {
        return QStringLiteral("clock get | set now|YYYY-MM-DDTHH:MM:SS [--printer-password-file FILE|-]");
    }
    QString summary() const override { return QStringLiteral("print or set the printer's real-time clock"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
