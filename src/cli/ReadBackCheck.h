#pragma once

#include "config/PrinterConfig.h"

#include <cstdint>

namespace norvane::cli {

class CliSession;

/// A written page has settings the printer did not keep (EX_TEMPFAIL: writing again may do).
inline constexpr int kExitNotKept = 75;

/// Reads the configuration back after a page write and prints one JSON line per setting of the page that
/// the printer reports differently from `sent`. 0 when every setting was kept, kExitNotKept when one was
/// not, the read's result code when the read fails.
int CheckWrittenPage(CliSession& session, const PrinterConfig& sent, std::int32_t page);

} // namespace norvane::cli
