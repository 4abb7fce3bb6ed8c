#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// Reads the whole configuration: JSON to stdout by default, or into a JSON and/or a .dcf file.
class ReadConfigCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("read-config"); }
    QString usage() const override
    {
        return QStringLiteral("read-config [--json FILE|-] [--dcf FILE] [--unit inch|mm]");
    }
    QString summary() const override { return QStringLiteral("read the printer's whole configuration"); }
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
