#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "password get" prints the printer's password alone on its line (an empty line when there is none);
/// "password set NEW" changes it.
class PasswordCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("password"); }
    QString usage() const override { return QStringLiteral("password get | set NEW"); }
    QString summary() const override { return QStringLiteral("print or change the printer password"); }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
