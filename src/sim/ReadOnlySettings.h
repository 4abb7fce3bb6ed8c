#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <optional>

namespace norvane::sim {

struct PrinterState;

/// The values of the read-only settings before a command: each report key with its answer, or nothing
/// for a key the printer did not answer.
using KeptReports = QMap<QByteArray, std::optional<QByteArray>>;

/// Taken before a command is carried out.
KeptReports TakeReadOnlyReports(const PrinterState& state);

/// Puts the read-only settings back as they were after a command changed them, and remarks on the command
/// which ones it could not change. The command is accepted and answered as usual.
void RestoreReadOnlyReports(PrinterState& state, const KeptReports& kept);

/// Makes the settings named in `list` (report keys such as SPEED or PAPERWIDTH, joined by commas)
/// read-only. A name the printer does not report is refused with a message, so a typing error does not
/// leave every setting writable.
bool SetReadOnlySettings(const QString& list, PrinterState& state, QString& error);

} // namespace norvane::sim
