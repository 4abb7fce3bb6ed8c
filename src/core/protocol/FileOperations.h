#pragma once

#include "files/DownloadRequest.h"
#include "files/FileListStore.h"
#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <QByteArrayView>

namespace norvane {

/// DOWNLOAD, a blank, the memory's prefix, the quoted printer name, a comma, the size in bytes and a
/// final comma; no line end, as the file's bytes follow at once. Throws `UnsendableValue` for a name its
/// quotes cannot carry or a memory that is none of the three.
QByteArray DownloadHeader(MemoryDevice memory, QByteArrayView printerName, qint64 size);

/// Operation 12: the interface announcement, then per memory its physical space, its free space (not for
/// CARD, whose free space stays unknown) and its file list. The store is cleared first; at the first
/// failure it keeps what was read so far (a list cut short included) and the exchange's code (2 or 3) is
/// returned.
ResultCode ReadFileLists(const OperationContext& context, FileListStore& store);

/// Operation 13: the header, then the file's bytes with the bar in percentage mode; no reply is read. The
/// file is read and the header built before the link opens: 4 when the file cannot be read (or exceeds
/// `kDownloadFileLimit`), 5 when the header cannot carry the name, and nothing is opened then.
ResultCode DownloadFile(const OperationContext& context, const DownloadRequest& request);

/// Operation 14: the bytes as they are, with the bar in percentage mode. The extra value must be their
/// count; any other sends nothing and gives 5, so a caller that forgot it finds out.
ResultCode SendRawBytes(const OperationContext& context, const QByteArray& bytes);

/// Operation 15: the memory's KILL command; no reply is read. A number that is no memory sends nothing
/// and gives 5.
ResultCode FormatMemory(const OperationContext& context, const std::int32_t& memory);

/// Puts operations 12 to 15 into the dispatcher's table.
void RegisterFileOperations(CommandDispatcher& dispatcher);

} // namespace norvane
