#pragma once

#include "protocol/ResultCode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <chrono>

namespace norvane {

class PrinterLink;
struct OperationContext;

/// A search the printer's Bluetooth or wireless module runs: the interface announcement, the report command,
/// then the module's search time with the bar advancing by 3 in `waitSteps` steps (ended as soon as the answer
/// begins), then one framed reply of up to 8912 bytes. 2 when the announcement or the command does not go out,
/// 3 without a reply.
ResultCode ReadModuleScan(PrinterLink& link, const OperationContext& context, QByteArrayView command,
                          std::chrono::milliseconds scanTime, int waitSteps, QByteArray& reply);

} // namespace norvane
