#pragma once

#include "config/LengthUnits.h"
#include "config/PrinterConfig.h"
#include "config/StatusFlags.h"

#include <QString>

class QIODevice;

namespace norvane {

/// What a .dcf file keeps: the record, the page's unit and the status flags shown when it was saved.
struct DcfContents
{
    PrinterConfig config;
    LengthUnit unit = LengthUnit::Inch;
    StatusFlags status;
};

inline constexpr qsizetype kDcfFileSize = 2848;

/// The message for a file that does not start with the .dcf magic number.
inline constexpr char kDcfDataError[] = "File Data Error";

/// Reads up to 2848 bytes; missing bytes read as zero and the version is not checked. Fails with
/// "File Data Error" when the magic number is wrong, or with the device's error text.
bool ReadDcf(QIODevice& device, DcfContents& contents, QString& error);

/// Writes the 2848-byte image: magic, version 1, unit, the first 2816 record bytes enciphered with
/// AES-128 ECB under the fixed key, the last 10 record bytes and the ten status flags in plain.
bool WriteDcf(QIODevice& device, const DcfContents& contents, QString& error);

/// Replaces `path` only once the whole file is written, so a failed save keeps the old file. The file
/// holds passwords and keys, so only its owner may read it.
bool SaveDcfFile(const QString& path, const DcfContents& contents, QString& error);

} // namespace norvane
