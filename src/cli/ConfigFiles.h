#pragma once

#include "config/DcfFile.h"
#include "config/PrinterConfig.h"

#include <QString>
#include <QTextStream>
#include <optional>

namespace norvane::cli {

/// Exit status for an output file that cannot be written.
inline constexpr int kExitCannotWrite = 73;

/// A configuration from a .dcf file or its JSON form, told apart by content; nothing with a message
/// naming the path and the problem. Only a regular file of a bounded size is read.
std::optional<PrinterConfig> LoadConfigFile(const QString& path, QString& error);

/// The JSON form into `path`, or onto `out` for "-".
bool WriteJsonOutput(const PrinterConfig& config, const QString& path, QTextStream& out, QString& error);

/// "inch" or "mm" as the record's unit; nothing for any other text.
std::optional<LengthUnit> UnitFromName(const QString& name);

/// The unit a record's lines and a .dcf file take: the record's own unless one was chosen.
LengthUnit ApplyUnit(PrinterConfig& config, std::optional<LengthUnit> chosen);

} // namespace norvane::cli
