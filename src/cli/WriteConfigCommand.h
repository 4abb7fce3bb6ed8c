#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// Writes one page of a configuration file (.dcf or JSON) to the printer, in the record's own unit.
class WriteConfigCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("write-config"); }
    QString usage() const override
    {
        return QStringLiteral("write-config --page N FILE [--ca-cert PATH] [--client-cert PATH] [--private-key PATH]\n"
                              "                             [--printer-password-file FILE|-] [--verify]");
    }
    QString summary() const override
    {
        return QStringLiteral("write page N of a .dcf or JSON configuration: 0 Common, 1 Z, 2 D, 3 RS-232,\n"
                              "                             4 Wireless, 5 Bluetooth, 6 FTP Update");
    }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
