#include "protocol/FileOperations.h"

#include "config/BoundedFile.h"
#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandFormat.h"
#include "protocol/ReplyFraming.h"

#include <QScopeGuard>

namespace norvane {

namespace {

/// The letter each memory's reports are asked with.
char reportLetter(MemoryDevice memory)
{
    switch (memory) {
    case MemoryDevice::Dram:
        return 'D';
    case MemoryDevice::Flash:
        return 'F';
    case MemoryDevice::Card:
        return 'C';
    }
    return '?';
}

QByteArray report(MemoryDevice memory, QByteArrayView key)
{
    return "DIAGNOSTIC REPORT " + QByteArray(1, reportLetter(memory)) + key.toByteArray() + "\r\n";
}

ResultCode readSpace(PrinterLink& link, QByteArrayView command, std::uint8_t& valid, std::int32_t& space)
{
    QByteArray reply;
    const ResultCode result = Exchange(link, command, reply);
    if (result == ResultCode::Success) {
        valid = 1;
        space = ReplyNumber(reply);
    }
    return result;
}

ResultCode readMemory(PrinterLink& link, MemoryDevice memory, DeviceFileInfo& block)
{
    if (const ResultCode result =
            readSpace(link, report(memory, "PHYSPACE"), block.physicalSpaceValid, block.physicalSpace);
        result != ResultCode::Success)
        return result;
    if (memory == MemoryDevice::Card) {
        block.freeSpaceValid = 0;
    } else if (const ResultCode result =
                   readSpace(link, report(memory, "FREESPACE"), block.freeSpaceValid, block.freeSpace);
               result != ResultCode::Success) {
        return result;
    }
    QByteArray list;
    const ResultCode result = ExchangeList(link, report(memory, "FILELIST"), list, kFileListCapacity);
    block.fileList.setText(list);
    return result;
}

/// Writes `bytes` over a link already opened, with the bar in percentage mode around them.
ResultCode sendWithPercentage(Progress& progress, PrinterLink& link, QByteArrayView bytes)
{
    progress.ShowProgress(ProgressMode::Percentage, 3, 3);
    const auto hide = qScopeGuard([&] { progress.HideProgress(); });
    return SendCommand(link, bytes);
}

} // namespace

QByteArray DownloadHeader(MemoryDevice memory, QByteArrayView printerName, qint64 size)
{
    if (!MemoryDeviceFromIndex(static_cast<std::int32_t>(memory)))
        throw UnsendableValue("memory");
    return "DOWNLOAD " + DownloadPrefix(memory) + Quoted(printerName, "printerName") + ',' + QByteArray::number(size) +
           ',';
}

ResultCode ReadFileLists(const OperationContext& context, FileListStore& store)
{
    store.clear();
    const auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    if (const ResultCode result = Announce(*link); result != ResultCode::Success)
        return result;
    for (const MemoryDevice memory : kMemoryDevices) {
        if (const ResultCode result = readMemory(*link, memory, store[memory]); result != ResultCode::Success)
            return result;
    }
    return ResultCode::Success;
}

ResultCode DownloadFile(const OperationContext& context, const DownloadRequest& request)
{
    QString error;
    const auto contents = ReadWholeFile(request.sourcePath, kDownloadFileLimit, error);
    if (!contents)
        return ResultCode::FileOpenError;
    const QByteArray header = DownloadHeader(request.memory, request.printerName, contents->size());

    const auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    if (const ResultCode result = SendCommand(*link, header); result != ResultCode::Success)
        return result;
    return sendWithPercentage(context.links.progress(), *link, *contents);
}

ResultCode SendRawBytes(const OperationContext& context, const QByteArray& bytes)
{
    if (context.extra != bytes.size())
        return ResultCode::UnknowError;
    const auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    return sendWithPercentage(context.links.progress(), *link, bytes);
}

ResultCode FormatMemory(const OperationContext& context, const std::int32_t& memory)
{
    const auto device = MemoryDeviceFromIndex(memory);
    if (!device)
        return ResultCode::UnknowError;
    const auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    return SendCommand(*link, FormatCommand(*device));
}

void RegisterFileOperations(CommandDispatcher& dispatcher)
{
    dispatcher.registerOperation<OperationCode::ReadFileLists>(ReadFileLists);
    dispatcher.registerOperation<OperationCode::DownloadFile>(DownloadFile);
    dispatcher.registerOperation<OperationCode::SendRawBytes>(SendRawBytes);
    dispatcher.registerOperation<OperationCode::DeleteFiles>(FormatMemory);
}

} // namespace norvane
