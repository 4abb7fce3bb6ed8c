#pragma once

#include "config/StatusFlags.h"
#include "protocol/ResultCode.h"

#include <QString>

namespace norvane {

class PrinterLink;

/// Operation 0: the status byte after ESC "!" "?", then the extended status after ESC "!" "S" CR LF.
/// A missing or short extended status is no failure.
ResultCode ReadStatus(PrinterLink& link, StatusFlags& status);

/// The one state shown: "Cover Open" outranks everything, "Printing" only when nothing else holds.
QString StatusText(const StatusFlags& status);

} // namespace norvane
