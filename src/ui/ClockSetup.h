#pragma once

#include "link/InterfaceKind.h"

namespace norvane {
class CommandDispatcher;
struct ClockSetting;
} // namespace norvane

namespace norvane::ui {

class OperationRunner;

/// "RTC Setup": reads the printer's clock without a word on failure (the dialog then shows zeros for what was
/// not read), lets the user edit `clock` in the clock dialog, and on Set sends it after the password gate.
void RunClockSetup(OperationRunner& runner, CommandDispatcher& dispatcher, InterfaceKind kind, ClockSetting& clock);

} // namespace norvane::ui
