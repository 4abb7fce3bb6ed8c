#pragma once

#include <QString>

namespace norvane::ui {

/// The item a port list selects for a name such as "COM12" or "LPT2": the number after the first three
/// characters, minus one; −1 (no item) when that is no number from 1 to `itemCount`.
int PortItemIndex(const QString& portName, int itemCount);

} // namespace norvane::ui
