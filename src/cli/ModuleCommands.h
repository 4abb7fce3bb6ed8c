#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "ext-module enter | exit | set-bt NAME PIN": the printer's module mode for a wireless module on its COM1.
class ExternalModuleCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("ext-module"); }
    QString usage() const override { return QStringLiteral("ext-module enter | exit | set-bt NAME PIN"); }
    QString summary() const override
    {
        return QStringLiteral("set up a module on the printer's COM1: enter module mode, leave it, or write its "
                              "Bluetooth name and PIN");
    }
    QString details() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

/// "ap-scan": lets the external module search for wireless access points; prints "SSID<TAB>SECURITY" lines.
class AccessPointScanCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("ap-scan"); }
    QString usage() const override { return name(); }
    QString summary() const override
    {
        return QStringLiteral("search for wireless access points (up to 12 s); prints SSID<TAB>WEP|WPA|NONE lines");
    }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
