#include "protocol/BluetoothScan.h"

#include "link/LinkLayer.h"
#include "protocol/CommandFormat.h"
#include "protocol/ModuleScan.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {

constexpr int kScanWaitSteps = 100;

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
    QByteArray reply;
    const ResultCode read = ReadModuleScan(link, context, "DIAGNOSTIC REPORT SCANBT\r\n",
                                           context.links.timeouts().bluetoothScan, kScanWaitSteps, reply);
    if (read != ResultCode::Success)
        return read;
    return ParseBluetoothScanReply(reply, result) ? ResultCode::Success : ResultCode::DataReceivingError;
}

ResultCode ConnectBluetoothMaster(PrinterLink& link, const QByteArray& address)
{
    return SendCommand(link, "BT DMAC " + Quoted(address, "btMasterAddress") + "\r\n");
}

} // namespace norvane
