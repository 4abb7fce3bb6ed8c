#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// "send FILE|-": a file's bytes, or standard input's, to the printer exactly as they are, like the
/// command tool's Send File.
class SendFileCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("send"); }
    QString usage() const override { return QStringLiteral("send FILE|-"); }
    QString summary() const override { return QStringLiteral("send a file or standard input as it is"); }
    QString details() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
