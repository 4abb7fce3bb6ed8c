#pragma once

#include "CliCommand.h"

namespace norvane::cli {

/// The file manager from a shell: "files list" shows each memory's space and files, "files download"
/// puts a file into a memory (firmware and TCF files go as they are), "files format" erases a memory.
class FilesCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("files"); }
    QString usage() const override;
    QString summary() const override
    {
        return QStringLiteral("list, download or erase the files in the printer's memories");
    }
    QString details() const override;
    QList<QCommandLineOption> options() const override;
    int execute(CliSession& session, const QCommandLineParser& arguments) override;
};

} // namespace norvane::cli
