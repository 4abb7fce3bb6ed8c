#pragma once

#include <QByteArray>

namespace norvane::ui {

/// What the password dialogs are handed: the printer's password (the new one after a confirmed change)
/// and whether the user confirmed.
struct PasswordRecord
{
    QByteArray password;
    bool confirmed = false;
};

} // namespace norvane::ui
