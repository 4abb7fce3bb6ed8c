#pragma once

#include "MessageBoxPrompts.h"

#include <QApplication>

namespace norvane::ui {

/// The application of the desktop program. An exception that escapes an event handler is shown as an error
/// message with its text, and the program goes on with the next event, rather than ending with the user's work.
class NorvaneApplication : public QApplication
{
public:
    NorvaneApplication(int& argc, char** argv);

    /// Where escaped exceptions are shown from now on (null: in message boxes); returns where they were shown.
    UserPrompts* setErrorPrompts(UserPrompts* prompts);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void showError(const QString& text);

    MessageBoxPrompts m_messageBoxes;
    UserPrompts* m_errorPrompts = nullptr;
};

} // namespace norvane::ui
