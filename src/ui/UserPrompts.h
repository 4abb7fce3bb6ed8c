#pragma once

#include <QString>

namespace norvane::ui {

/// Every message a window shows goes through here: the program shows message boxes, tests record the texts.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;
    /// A modal message with one button; returns once the user has closed it.
    virtual void showMessage(const QString& text) = 0;
};

} // namespace norvane::ui
