#pragma once

#include "UserPrompts.h"

#include <QStringList>

namespace norvane::test {

/// Records every message (its text, and its kind at the same index of `kinds`) and file question instead of
/// showing it, and answers the file questions with the names queued in `openFiles` and `saveFiles` (an empty
/// queue answers as a cancelled dialog).
struct ScriptedPrompts : ui::UserPrompts
{
    void showMessage(ui::MessageKind kind, const QString& text) override
    {
        messages << text;
        kinds << kind;
    }

    void clearMessages()
    {
        messages.clear();
        kinds.clear();
    }

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
    QList<ui::MessageKind> kinds;
    QStringList openFiles;
    QStringList saveFiles;
    QStringList fileFilters;
    QStringList defaultSuffixes;
};

} // namespace norvane::test
