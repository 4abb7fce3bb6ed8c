#include "protocol/DumpOperations.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandFormat.h"
#include "protocol/LinkedOperation.h"
#include "protocol/ReplyFraming.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace norvane {

namespace {

/// Lets `duration` pass with the window painting; the printer needs the time, the link has nothing to read.
void pause(Progress& progress, std::chrono::milliseconds duration)
{
    constexpr auto kSlice = std::chrono::milliseconds(50);
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (auto now = std::chrono::steady_clock::now(); now < deadline; now = std::chrono::steady_clock::now()) {
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kSlice, deadline - now));
        progress.PassEvents();
    }
}

} // namespace

QByteArray DumpStartCommand(const DumpRequest& request)
{
    switch (request.mode) {
    case static_cast<std::int32_t>(DumpMode::PrintLabel):
        return "DUMP_TEXT PRINT,";
    case static_cast<std::int32_t>(DumpMode::SaveToCard):
        if (request.fileName.size() > kDumpCardNameLimit)
            throw UnsendableValue("fileName");
        return "DUMP_TEXT SAVE 1000,E," + Quoted(request.fileName, "fileName") + ',';
    default:
        return "DUMP_TEXT SAVE 1000,\"" + QByteArray(kDumpFileName) + "\",";
    }
}

ResultCode StartDumpMode(PrinterLink& link, const DumpRequest& request)
{
    return SendCommand(link, DumpStartCommand(request));
}

ResultCode ReadPrinterFile(PrinterLink& link, PrinterFileRequest& request, const OperationContext& context)
{
    request.contents.clear();
    if (request.fileName.size() > kPrinterFileNameLimit)
        throw UnsendableValue("fileName");
    const QByteArray command = "DIAGNOSTIC FILE " + Quoted(request.fileName, "fileName") + "\r\n\r\n";
    if (SendCommand(link, "\r\n") != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    const LinkTimeouts& timeouts = context.links.timeouts();
    pause(context.links.progress(), timeouts.fileRequestSettle);
    pause(context.links.progress(), timeouts.fileRequestLead);
    const ResultCode result = Exchange(link, command, request.contents, request.capacity);
    if (result != ResultCode::Success)
        request.contents.clear();
    return result;
}

ResultCode FetchPrinterFile(CommandDispatcher& dispatcher, InterfaceKind kind, PrinterFileRequest& request)
{
    ResultCode result = ResultCode::DataReceivingError;
    for (int tries = 0; tries < kPrinterFileTries && result == ResultCode::DataReceivingError; ++tries)
        result = dispatcher.dispatch<OperationCode::ReadDumpFile>(kind, request);
    return result;
}

void RegisterDumpOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::StartDumpMode>(dispatcher, StartDumpMode);
    RegisterOverLink<OperationCode::ReadDumpFile>(dispatcher, ReadPrinterFile);
}

} // namespace norvane
