#pragma once

#include "protocol/ResultCode.h"

#include <QByteArray>
#include <QString>

namespace norvane {

class PrinterLink;

/// New passwords are kept well inside the printer's 1024-byte command buffer.
inline constexpr qsizetype kMaxPasswordLength = 64;

/// Operation 2: the printer's password; empty when the printer has none (editions up to 100 have no password).
ResultCode ReadPassword(PrinterLink& link, QByteArray& password);

/// Operation 3: "DIAGNOSTIC PASSWORD "…"" with the new password, then one framed reply.
ResultCode SendPassword(PrinterLink& link, const QByteArray& password);

/// Why a new password cannot be sent, or an empty text when it can. A double quote would end the
/// command's quoted text and a control character would start another command.
QString NewPasswordProblem(const QByteArray& password);

} // namespace norvane
