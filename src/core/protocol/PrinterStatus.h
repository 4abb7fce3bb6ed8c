#pragma once

#include "config/StatusFlags.h"
#include "protocol/CommandDispatcher.h"

#include <QString>

namespace norvane {

/// Operation 0: the status byte after ESC "!" "?", then the extended status after ESC "!" "S" CR LF.
/// A missing or short extended status is no failure.
ResultCode ReadStatus(const OperationRequest& request);

/// The one state shown: "Cover Open" outranks everything, "Printing" only when nothing else holds.
QString StatusText(const StatusFlags& status);

} // namespace norvane
