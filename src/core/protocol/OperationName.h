#pragma once

#include "protocol/OperationCode.h"

#include <QByteArray>

namespace norvane {

/// The operation's name as a trace shows it, such as "ReadConfiguration"; "Operation27" for a number without one.
QByteArray OperationCodeName(std::uint32_t op);

} // namespace norvane
