#pragma once

#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <cstdint>

namespace norvane {

class PrinterLink;

/// Where the printer's dump mode puts what it receives.
enum class DumpMode : std::int32_t
{
    PrintLabel = 0,
    SaveToCard = 1,
    SaveToFile = 2,
};

/// The printer file the dump goes to in `DumpMode::SaveToFile`, and the one fetched by default.
inline constexpr char kDumpFileName[] = "Dump.txt";
/// The longest name of a dump file on the card.
inline constexpr qsizetype kDumpCardNameLimit = 12;
/// The longest name of a printer file that can be fetched.
inline constexpr qsizetype kPrinterFileNameLimit = 15;
/// The receive buffer of a fetched file: its frame carries at most this less 2 bytes.
inline constexpr qsizetype kPrinterFileCapacity = 1024 * 1024;
/// A fetch that brought nothing usable is tried this many times in all.
inline constexpr int kPrinterFileTries = 3;

/// The record of operation 6, filled by the dump dialog.
struct DumpRequest
{
    /// A `DumpMode` number; numbers other than 0 and 1 save to "Dump.txt".
    std::int32_t mode = 0;
    /// The file on the card, for mode 1.
    QByteArray fileName = kDumpFileName;
    bool confirmed = false;
};

/// The record of operation 22.
struct PrinterFileRequest
{
    QByteArray fileName = kDumpFileName;
    qsizetype capacity = kPrinterFileCapacity;
    /// Out: the file's bytes, empty unless the operation succeeded.
    QByteArray contents;
};

/// The text that starts dump mode: no line end, as the printer acts on it at its last comma. Throws
/// `UnsendableValue` for a card file name its quotes cannot carry or longer than `kDumpCardNameLimit`.
QByteArray DumpStartCommand(const DumpRequest& request);

/// Operation 6: the start text in one write; nothing is read.
ResultCode StartDumpMode(PrinterLink& link, const DumpRequest& request);

/// Operation 22: a line end, a pause, the file request and its framed reply; no interface announcement.
/// 2 when a write fails, 3 when no frame of at most capacity − 2 bytes arrives.
ResultCode ReadPrinterFile(PrinterLink& link, PrinterFileRequest& request, const OperationContext& context);

/// Operation 22 until it succeeds or fails other than by receiving, at most `kPrinterFileTries` times.
ResultCode FetchPrinterFile(CommandDispatcher& dispatcher, InterfaceKind kind, PrinterFileRequest& request);

/// Puts operations 6 and 22 into the dispatcher's table.
void RegisterDumpOperations(CommandDispatcher& dispatcher);

} // namespace norvane
