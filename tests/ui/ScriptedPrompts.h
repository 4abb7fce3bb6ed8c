#pragma once

#include "UserPrompts.h"

#include <QStringList>

namespace norvane::test {

/// Records every message and file question instead of showing it, and answers the file questions with the
/// names queued in `openFiles` and `saveFiles` (an empty queue answers as a cancelled dialog).
struct ScriptedPrompts : ui::UserPrompts
{
    void showMessage(const QString& text) override { messages << text; }

    QString chooseOpenFile(const QString& filter) override
    {
        fileFilters << filter;
        return openFiles.isEmpty() ? QString() : openFiles.takeFirst();
    }

    QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) override
    {
        fileFilters << filter;
        defaultSuffixes << defaultSuffix;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }

    QStringList messages;
    QStringList openFiles;
    QStringList saveFiles;
    QStringList fileFilters;
    QStringList defaultSuffixes;
};

} // namespace norvane::test
