#include "protocol/AccessPointScan.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/ReplyFraming.h"

#include <QScopeGuard>
#include <algorithm>

namespace norvane {

namespace {

constexpr qsizetype kScanReplyCapacity = 8912;
constexpr int kScanWaitSteps = 60;
constexpr std::int32_t kWep = 1;
constexpr std::int32_t kWpa = 2;

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

bool ParseAccessPointReply(const QByteArray& reply, AccessPointScanResult& result)
{
    result.accessPoints.clear();
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
    for (std::int32_t i = 0; i < count && result.accessPoints.size() < AccessPointScanResult::kMaxAccessPoints; ++i) {
        const qsizetype ssidEnd = reply.indexOf(',', position);
        const qsizetype securityEnd = ssidEnd < 0 ? -1 : reply.indexOf(',', ssidEnd + 1);
        const qsizetype end = securityEnd < 0 ? -1 : reply.indexOf('\r', securityEnd + 1);
        if (end < 0)
            break;
        result.accessPoints.append({reply.mid(position, ssidEnd - position).left(AccessPointScanResult::kMaxSsidLength),
                                    ReplyNumber(reply.mid(ssidEnd + 1, securityEnd - ssidEnd - 1))});
        position = end + 1;
    }
    return true;
}

QList<AccessPoint> DistinctAccessPoints(const QList<AccessPoint>& accessPoints)
{
    QList<AccessPoint> distinct;
    for (const AccessPoint& accessPoint : accessPoints) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(), [&](const AccessPoint& earlier) {
            return earlier.ssid == accessPoint.ssid && earlier.security == accessPoint.security;
        });
        if (!seen)
            distinct.append(accessPoint);
    }
    return distinct;
}

QByteArray SecurityName(std::int32_t security)
{
    if (security == kWep)
        return "WEP";
    if (security == kWpa)
        return "WPA";
    return "NONE";
}

ResultCode ScanAccessPoints(PrinterLink& link, AccessPointScanResult& result, const OperationContext& context)
{
    if (Announce(link) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    if (SendCommand(link, "DIAGNOSTIC REPORT SCANAP\r\n") != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    link.DiscardInput();

    Progress& progress = context.links.progress();
    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    const auto hide = qScopeGuard([&] { progress.HideProgress(); });
    waitForScan(link, progress, context.links.timeouts().accessPointScan);
    QByteArray reply;
    if (!ReadFramedReply(link, reply, kScanReplyCapacity) || !ParseAccessPointReply(reply, result))
        return ResultCode::DataReceivingError;
    return ResultCode::Success;
}

} // namespace norvane
