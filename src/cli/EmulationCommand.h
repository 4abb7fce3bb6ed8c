#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "emulation get" prints ZPL2 or CPCL; "emulation set zpl2|cpcl" switches the printer.
class EmulationCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("emulation"); }
    QString usage() const override { return QStringLiteral("emulation get | set zpl2|cpcl"); }
    QString summary() const override { return QStringLiteral("print or choose the active emulation"); }
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
