#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "dump start" puts the printer into dump mode (the dump printed, kept on the card, or kept as Dump.txt);
/// "dump fetch" brings a printer file, Dump.txt by default, into a file on this computer.
class DumpCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("dump"); }
    QString usage() const override
    {
        return QStringLiteral("dump start print | sd NAME | file | fetch OUT [--name FILE]");
    }
    QString summary() const override { return QStringLiteral("start dump mode, or fetch the dump text into a file"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
