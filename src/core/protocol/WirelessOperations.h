#pragma once

namespace norvane {

class CommandDispatcher;

/// Puts the Bluetooth and wireless module operations into the dispatcher's table.
void RegisterWirelessOperations(CommandDispatcher& dispatcher);

} // namespace norvane
