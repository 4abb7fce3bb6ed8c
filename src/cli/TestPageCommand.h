#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "test-page": reads the configuration, then prints the test label at the printer's own paper size or
/// at the one given, converted to dots with the printer's own resolution.
class TestPageCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("test-page"); }
    QString usage() const override { return QStringLiteral("test-page [--width L --height L [--unit inch|mm]]"); }
    QString summary() const override
    {
        return QStringLiteral("print a label that shows whether size and resolution are set right");
    }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
