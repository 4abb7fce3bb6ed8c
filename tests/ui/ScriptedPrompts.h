#pragma once

#include "UserPrompts.h"

#include <QStringList>

namespace norvane::test {

/// Records every message (its text, and its kind at the same index of `kinds`), question and file or font
/// choice instead of showing it, and answers: questions with `confirmAnswers` in turn (an empty queue answers
/// Cancel), file choices with the names queued in `openFiles` and `saveFiles`, font choices with `fonts` (an
/// empty queue answers as a cancelled dialog).
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

    bool confirm(const QString& question) override
    {
        questions << question;
        return !confirmAnswers.isEmpty() && confirmAnswers.takeFirst();
    }

    QString chooseOpenFile(const QString& filter, const QString& directory) override
    {
        fileFilters << filter;
        openDirectories << directory;
        return openFiles.isEmpty() ? QString() : openFiles.takeFirst();
    }

    QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) override
    {
        fileFilters << filter;
        defaultSuffixes << defaultSuffix;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }

    std::optional<QFont> chooseFont(const QFont& initial) override
    {
        initialFonts << initial;
        if (fonts.isEmpty())
            return std::nullopt;
        return fonts.takeFirst();
    }

    QStringList messages;
    QList<ui::MessageKind> kinds;
    QStringList questions;
    QList<bool> confirmAnswers;
    QStringList openFiles;
    QStringList saveFiles;
    QStringList fileFilters;
    QStringList openDirectories;
    QStringList defaultSuffixes;
    QList<QFont> fonts;
    QList<QFont> initialFonts;
};

} // namespace norvane::test
