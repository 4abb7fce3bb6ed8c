#pragma once

#include "files/MemoryDevice.h"
#include "files/PrinterFileType.h"

#include <QString>
#include <optional>

namespace norvane::cli {

/// "dram|flash|card", "bmp|pcx|...": the value names the help shows.
QString MemoryNames();
QString FileTypeNames();

/// The memory named "dram", "flash" or "card"; nothing for any other text.
std::optional<MemoryDevice> MemoryFromName(const QString& name);

/// The type named "bmp", "pcx", "ttf", "bitmap-font", "basic", "data", "firmware" or "tcf".
std::optional<PrinterFileType> FileTypeFromName(const QString& name);

/// The type a file's extension suggests, in either case: .bmp, .pcx, .ttf, .bas (BASIC), .new (firmware),
/// .tcf; any other file is data.
PrinterFileType FileTypeOfPath(const QString& path);

} // namespace norvane::cli
