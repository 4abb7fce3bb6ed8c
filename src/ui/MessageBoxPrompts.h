#pragma once

#include "UserPrompts.h"

class QWidget;

namespace norvane::ui {

/// The prompts of the running program: message boxes and dialogs over the window that asked.
class MessageBoxPrompts : public UserPrompts
{
public:
    explicit MessageBoxPrompts(QString title) : m_title(std::move(title)) {}

    void showMessage(MessageKind kind, const QString& text) override;
    bool confirm(const QString& question) override;
    QString chooseOpenFile(const QString& filter, const QString& directory) override;
    QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;

private:
    QString m_title;
};

} // namespace norvane::ui
