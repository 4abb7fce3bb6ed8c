#include "protocol/BluetoothScan.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandFormat.h"
#include "protocol/ReplyFraming.h"

#include <QScopeGuard>

namespace norvane {

namespace {

constexpr qsizetype kScanReplyCapacity = 8912;
constexpr int kScanWaitSteps = 100;

/// Waits the module's search time in steps, advancing the bar after each, until the answer begins.
void waitForScan(PrinterLink& link, Progress& progress, std::chrono::milliseconds scanTime)
{
    const auto step = scanTime / kScanWaitSteps;
    for (int i = 0; i < kScanWaitSteps; ++i) {
        if (link.WaitForInput(step))
            return;
        progress.StepProgress(ProgressMode::StepPerWrite, 3);
        progress.PassEvents();
    }
}

} // namespace

bool ParseBluetoothScanReply(const QByteArray& reply, BluetoothScanResult& result)
{
    result.devices.clear();
    result.moduleFound = true;
    qsizetype position = reply.indexOf('\r');
    if (position < 0)
        return false;
    const std::int32_t count = ReplyNumber(reply.left(position));
    if (count == -1) {
        result.moduleFound = false;
        return true;
    }
    ++position;
    for (std::int32_t i = 0; i < count; ++i) {
        const qsizetype comma = reply.indexOf(',', position);
        const qsizetype end = comma < 0 ? -1 : reply.indexOf('\r', comma + 1);
        if (end < 0)
            break;
        if (result.devices.size() < BluetoothScanResult::kMaxDevices) {
            result.devices.append({reply.mid(position, comma - position).left(BluetoothScanResult::kMaxTextLength),
                                   reply.mid(comma + 1, end - comma - 1).left(BluetoothScanResult::kMaxTextLength)});
        }
        position = end + 1;
    }
    return true;
}

ResultCode ScanBluetooth(PrinterLink& link, BluetoothScanResult& result, const OperationContext& context)
{
    if (Announce(link) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    if (SendCommand(link, "DIAGNOSTIC REPORT SCANBT\r\n") != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    link.DiscardInput();

    Progress& progress = context.links.progress();
    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    const auto hide = qScopeGuard([&] { progress.HideProgress(); });
    waitForScan(link, progress, context.links.timeouts().bluetoothScan);
    QByteArray reply;
    if (!ReadFramedReply(link, reply, kScanReplyCapacity) || !ParseBluetoothScanReply(reply, result))
        return ResultCode::DataReceivingError;
    return ResultCode::Success;
}

ResultCode ConnectBluetoothMaster(PrinterLink& link, const QByteArray& address)
{
    return SendCommand(link, "BT DMAC " + Quoted(address, "btMasterAddress") + "\r\n");
}

} // namespace norvane
