#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "font make | download | show": printer bitmap fonts from the PC's fonts.
class FontCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("font"); }
    QString usage() const override;
    QString summary() const override { return QStringLiteral("make a printer bitmap font, download it, or draw one"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
