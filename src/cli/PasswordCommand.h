#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "password get" prints the printer's password alone on its line (an empty line when there is none);
/// "password set NEW|-" changes it once the current one is given, like the window's Password Setup.
class PasswordCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("password"); }
    QString usage() const override
    {
        return QStringLiteral("password get | set NEW|- [--printer-password-file FILE|-]");
    }
    QString summary() const override { return QStringLiteral("print or change the printer password"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
