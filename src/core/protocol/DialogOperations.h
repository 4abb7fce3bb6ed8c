#pragma once

namespace norvane {

class CommandDispatcher;

/// Puts the operations of the printer function dialogs (password, emulation) into the dispatcher's table.
void RegisterDialogOperations(CommandDispatcher& dispatcher);

} // namespace norvane
