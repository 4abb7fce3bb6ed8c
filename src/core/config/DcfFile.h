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

/// The message for a file that is no .dcf file of this program: a wrong magic number, a record that
/// deciphers to nonsense (another key, random bytes) or holds values no command can carry.
inline constexpr char kDcfDataError[] = "File Data Error";

/// Reads up to 2848 bytes and decodes them as the overload below does, or fails with the device's error.
bool ReadDcf(QIODevice& device, DcfContents& contents, QString& error);

/// Decodes a file's bytes. A short file keeps what it holds: only its whole enciphered blocks are
/// deciphered and every record byte it lacks reads as zero (an absent setting); the version is not
/// checked. Fails with "File Data Error" for a wrong magic number, more than 2848 bytes, or a record
/// that `FindConfigFault` refuses.
bool ReadDcf(QByteArrayView image, DcfContents& contents, QString& error);

/// Writes the 2848-byte image: magic, version 1, unit, the first 2816 record bytes enciphered with
/// AES-128 ECB under the fixed key, the last 10 record bytes and the ten status flags in plain.
bool WriteDcf(QIODevice& device, const DcfContents& contents, QString& error);

/// Replaces `path` only once the whole file is written, so a failed save keeps the old file. The file
/// holds passwords and keys, so only its owner may read it.
bool SaveDcfFile(const QString& path, const DcfContents& contents, QString& error);

} // namespace norvane
