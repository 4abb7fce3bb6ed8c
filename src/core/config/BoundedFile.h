#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace norvane {

/// The JSON form of a record is about 20 KB even with every text at its widest and every byte escaped;
/// this leaves room for any indentation an editor adds and still refuses a file that is no configuration.
inline constexpr qint64 kJsonConfigFileLimit = 256 * 1024;

/// A certificate or key for the wireless module is a few KB in PEM or DER, a short chain not much more.
inline constexpr qint64 kCertificateFileLimit = 64 * 1024;

/// The whole of the regular file at `path`, at most `limit` bytes. A directory, a device (/dev/zero), a
/// FIFO or a socket is refused without waiting for it, and so is a larger file, with a message that
/// names the path and the reason.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString& error);

} // namespace norvane
