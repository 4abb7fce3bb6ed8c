#pragma once

#include "protocol/CommandDispatcher.h"

#include <QByteArrayView>

namespace norvane {

/// Opens the link, writes `command`, closes: 0, 1 (not opened) or 2 (not written).
ResultCode SendOnlyOperation(const OperationRequest& request, QByteArrayView command);

/// Operation 21: the link opens (for USB: a matching printer is present), nothing is written.
ResultCode LinkTest(const OperationRequest& request);

} // namespace norvane
