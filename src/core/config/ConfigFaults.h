#pragma once

#include "config/PrinterConfig.h"

#include <QString>
#include <optional>

namespace norvane {

/// A field of a record from a file that no command may be built from, and what is wrong with it.
struct ConfigFault
{
    QString field;
    QString problem;
};

/// The first such field in layout order: a float that is no finite number, a `dpi` or `dotsPerMm` too
/// small to divide a length by, or a valid flag or presence byte other than 0 and 1 (a file enciphered
/// under another key or not a configuration at all). Nothing for a sound record.
std::optional<ConfigFault> FindConfigFault(const PrinterConfig& config);

} // namespace norvane
