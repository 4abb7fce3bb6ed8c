#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QByteArrayView>

namespace norvane {

inline constexpr qsizetype kPrinterConfigSize = 2826;

/// The record in its 2826-byte storage form, fixed to the byte for files: packed, little-endian, IEEE single floats.
QByteArray ConfigToBytes(const PrinterConfig& config);

/// The record from its storage form; missing bytes at the end read as zero, extra bytes are ignored.
PrinterConfig ConfigFromBytes(QByteArrayView bytes);

} // namespace norvane
