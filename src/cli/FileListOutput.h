#pragma once

#include "files/FileListStore.h"

#include <QByteArray>
#include <QString>

namespace norvane::cli {

/// What `files list` prints: for DRAM, FLASH and CARD a line "MEMORY PHYSICAL FREE" (kilobytes, "-" for a
/// space that was not read), then each entry after two spaces as the printer sent it, escaped for the
/// terminal.
QString FileListText(const FileListStore& store);

/// The same as one JSON object in the same order, {"DRAM": {"physical": N|null, "free": N|null, "files":
/// [...]}, ...}, with a line end; the entries' control characters as \u00NN escapes.
QByteArray FileListJson(const FileListStore& store);

} // namespace norvane::cli
