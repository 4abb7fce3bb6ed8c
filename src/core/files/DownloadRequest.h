#pragma once

#include "files/MemoryDevice.h"
#include "files/PrinterFileType.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace norvane {

/// A file goes to the printer whole, read into memory first. Firmware images, fonts and logos are a few MB
/// at most; this bound keeps a mistaken choice (a disk image, a video) from taking the machine's memory.
inline constexpr qint64 kDownloadFileLimit = 64 * 1024 * 1024;

/// The longest printer file name the file manager sends.
inline constexpr qsizetype kMaxPrinterFileNameLength = 30;
inline constexpr char kFileNameTooLongMessage[] = "File name too long";

/// Shown after a firmware or TCF file went out raw: the printer takes a while to load it.
inline constexpr char kRawFileSentMessage[] = "Please wait for the LED to change to Green.";

/// The record of operation 13: which local file goes into which memory under which name.
struct DownloadRequest
{
    QString sourcePath;
    /// The name as the printer gets it, between double quotes.
    QByteArray printerName;
    MemoryDevice memory = MemoryDevice::Flash;
};

/// More than `kMaxPrinterFileNameLength` characters.
bool PrinterFileNameTooLong(QStringView name);

/// The printer name a chosen file gets: its name without folder and extension, cut to its first 8
/// characters, with the type's extension: LongFileName.bmp as BMP is LongFile.BMP, abc.txt as Data File abc.
QString BrowsePrinterName(const QString& sourcePath, PrinterFileType type);

} // namespace norvane
