#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace norvane::ui {

/// Whether a focus event is the user entering or leaving a field: the window being left or activated again,
/// or a popup such as the field's own context menu, moves nothing.
inline bool MovesFocusBetweenFields(const QEvent& event)
{
    if (event.type() != QEvent::FocusIn && event.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Keys, user names and passwords of the configuration pages show one '*' per character. Entering such a field
// empties it and shows what is typed, so a stored secret is never shown in clear and is always typed anew.

inline void MaskSecret(QLineEdit& edit)
{
    edit.setEchoMode(QLineEdit::Password);
}

inline void MakeSecretField(QLineEdit& edit)
{
    // The style's own mask character is a dot on some platforms.
    edit.setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    MaskSecret(edit);
}

inline void BeginSecretEntry(QLineEdit& edit)
{
    edit.clear();
    edit.setEchoMode(QLineEdit::Normal);
}

} // namespace norvane::ui
