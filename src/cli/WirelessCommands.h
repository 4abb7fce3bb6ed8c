#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "bt-scan": lets the printer's Bluetooth module search and prints "ADDRESS<TAB>NAME" per device.
class BluetoothScanCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("bt-scan"); }
    QString usage() const override { return name(); }
    QString summary() const override
    {
        return QStringLiteral("search for Bluetooth devices (up to a minute); prints ADDRESS<TAB>NAME lines");
    }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

/// "bt-connect ADDR": makes the printer's module connect to a device as master.
class BluetoothConnectCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("bt-connect"); }
    QString usage() const override { return QStringLiteral("bt-connect ADDR"); }
    QString summary() const override { return QStringLiteral("connect the printer's Bluetooth module to ADDR"); }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
