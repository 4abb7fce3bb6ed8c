#pragma once

#include "protocol/ResultCode.h"

namespace norvane {

class PrinterLink;
struct PrinterConfig;

/// Operation 1: reads the printer's whole configuration into `config`, which the
/// caller has cleared, one "DIAGNOSTIC REPORT" query after another. The printer's edition decides which
/// queries it is asked. 0, 1 (not opened), 2 (not written) or 3 (no usable reply, or an unusable
/// resolution); after a failure the record holds what was read so far.
ResultCode ReadConfiguration(PrinterLink& link, PrinterConfig& config);

} // namespace norvane
