#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// Runs one command of the tool against every printer of a targets file, several at a time.
class BatchCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("batch"); }
    QString usage() const override { return QStringLiteral("batch --targets FILE [--jobs N] -- COMMAND [ARGS]"); }
    QString summary() const override { return QStringLiteral("run a command against many printers at once"); }
    QString details() const override;
    bool needsPrinter() const override { return false; }
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
