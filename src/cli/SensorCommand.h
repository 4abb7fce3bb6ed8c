#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "sensor": reads the media sensor's settings and raw values, and calibrates it automatically or by hand.
class SensorCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("sensor"); }
    QString usage() const override;
    QString summary() const override { return QStringLiteral("read and calibrate the media sensor"); }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
