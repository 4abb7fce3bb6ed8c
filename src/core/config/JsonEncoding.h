#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace norvane {

/// Why `text` cannot be read as UTF-8 JSON although it is text: it is UTF-16 or UTF-32, told by its byte
/// order mark or by the zero bytes those encodings give plain ASCII. Nothing otherwise.
std::optional<QString> JsonEncodingProblem(QByteArrayView text);

/// `text` without a leading UTF-8 byte order mark, which some editors write and which JSON allows a
/// reader to skip.
QByteArrayView WithoutUtf8Bom(QByteArrayView text);

/// Whether `bytes` are meant as JSON text rather than a binary file: after an optional UTF-8 byte order
/// mark and white space an object or an array opens, or they are UTF-16 or UTF-32 text.
bool LooksLikeJsonText(QByteArrayView bytes);

} // namespace norvane
