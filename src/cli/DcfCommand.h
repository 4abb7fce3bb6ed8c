#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// Exit status of `dcf diff` for two configurations that differ, as diff has it.
inline constexpr int kExitDiffer = 1;

/// Converts between a .dcf file and the JSON form of its configuration, without a printer.
class DcfCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("dcf"); }
    QString usage() const override
    {
        return QStringLiteral("dcf to-json FILE.dcf [OUT.json] | from-json FILE.json OUT.dcf [--unit inch|mm] | "
                              "diff A B");
    }
    QString summary() const override { return QStringLiteral("convert a .dcf file to JSON and back, compare two"); }
    QString details() const override;
    bool needsPrinter() const override { return false; }
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
