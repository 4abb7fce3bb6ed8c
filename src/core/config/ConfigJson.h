#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace norvane {

/// The readable form of a record for people and scripts: every field under its name, an item as
/// {"valid": true|false, "value": V}, list settings as their index, texts as strings with one character
/// per byte (Latin-1), floats in their shortest exact form.
QJsonObject ConfigToJson(const PrinterConfig& config);

/// A missing field keeps its `ClearConfig` value. An unknown field, a field of the wrong type or out of its
/// range, or one `FindConfigFault` refuses (a `dpi` of 0, a flag of 2) is refused with a message that
/// names it. Texts longer than their field are cut to fit.
std::optional<PrinterConfig> ConfigFromJson(const QJsonObject& object, QString& error);

/// The same as indented JSON text, and back. A leading UTF-8 byte order mark is skipped; UTF-16 or UTF-32
/// text, an array and malformed text are refused with a message saying so.
QByteArray ConfigToJsonText(const PrinterConfig& config);
std::optional<PrinterConfig> ConfigFromJsonText(const QByteArray& text, QString& error);

} // namespace norvane
