#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// Prints the status text, then each of the ten status flags as "name 0|1".
class StatusCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("status"); }
    QString usage() const override { return name(); }
    QString summary() const override { return QStringLiteral("print the printer status and its ten flags"); }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
