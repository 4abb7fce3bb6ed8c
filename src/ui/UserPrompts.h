#pragma once

#include <QFont>
#include <QString>
#include <optional>

namespace norvane::ui {

/// What a message tells, for the icon it is shown with.
enum class MessageKind
{
    /// Something failed or was refused: a result code's message, a value that cannot be used.
    Error,
    /// A finding to take note of.
    Information,
};

/// Every message, question and file or font choice a window asks of the user goes through here: the program
/// shows message boxes and dialogs, tests record the texts and answer in their place.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;
    /// A modal message with one button; returns once the user has closed it.
    virtual void showMessage(MessageKind kind, const QString& text) = 0;
    /// A question with the buttons OK and Cancel; true for OK.
    virtual bool confirm(const QString& question) = 0;
    /// An existing file to read, or an empty text when the user cancels. `filter` is in Qt's form, for
    /// example "Certificate files (*.der *.cer *.pem);;All files (*)"; the dialog opens in `directory`, or in
    /// the working directory when it is empty.
    virtual QString chooseOpenFile(const QString& filter, const QString& directory = QString()) = 0;
    /// A file to write, or an empty text when the user cancels; `defaultSuffix` is appended to a name
    /// typed without one.
    virtual QString chooseSaveFile(const QString& filter, const QString& defaultSuffix) = 0;
    /// A font, starting from `initial`; nothing when the user cancels.
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
};

} // namespace norvane::ui
