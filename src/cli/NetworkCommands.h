#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "net read | set-ip | set-name": the printer's network settings over the printer link.
class NetCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("net"); }
    QString usage() const override
    {
        return QStringLiteral("net read | set-ip --dhcp | set-ip --ip A --mask M --gateway G | set-name NAME");
    }
    QString summary() const override { return QStringLiteral("read or change the printer's IP settings and name"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

/// "discover [--json] | get MAC | set MAC ... | factory-default MAC": the network discovery protocol.
class DiscoverCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("discover"); }
    QString usage() const override
    {
        return QStringLiteral("discover [--json] | get MAC | set MAC [--name NAME] [--dhcp | --ip A --mask M "
                              "--gateway G] | factory-default MAC");
    }
    QString summary() const override
    {
        return QStringLiteral("find printers on the local network; read or change one by its MAC address");
    }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
