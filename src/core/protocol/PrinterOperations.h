#pragma once

namespace norvane {

class CommandDispatcher;

/// Puts every printer operation the core provides into the dispatcher's table.
void RegisterPrinterOperations(CommandDispatcher& dispatcher);

} // namespace norvane
