#pragma once

#include "protocol/ResultCode.h"

#include <QByteArrayView>
#include <functional>

namespace norvane {

class PrinterLink;

/// The body of an operation that writes one fixed command and reads nothing: 0 or 2 (not written).
/// Operation 21 (link test) is the same with nothing to write.
std::function<ResultCode(PrinterLink&)> SendOnly(QByteArrayView command);

} // namespace norvane
