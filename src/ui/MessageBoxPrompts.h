#pragma once

#include "UserPrompts.h"

namespace norvane::ui {

/// The prompts of the running program: a message box over the window that asked.
class MessageBoxPrompts : public UserPrompts
{
public:
    explicit MessageBoxPrompts(QString title) : m_title(std::move(title)) {}

    void showMessage(const QString& text) override;

private:
    QString m_title;
};

} // namespace norvane::ui
