#pragma once

namespace norvane::ui {

class OperationRunner;

/// The check before every action that changes the printer. Passes when the printer has no password or the
/// user types it; fails when the password cannot be read (after its message) or the user cancels.
bool PasswordGate(OperationRunner& runner);

} // namespace norvane::ui
