#include "protocol/AccessPointScan.h"

#include "link/LinkLayer.h"
#include "protocol/ModuleScan.h"
#include "protocol/ReplyFraming.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr int kScanWaitSteps = 60;
constexpr std::int32_t kWep = 1;
constexpr std::int32_t kWpa = 2;

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
    QByteArray reply;
    const ResultCode read = ReadModuleScan(link, context, "DIAGNOSTIC REPORT SCANAP\r\n",
                                           context.links.timeouts().accessPointScan, kScanWaitSteps, reply);
    if (read != ResultCode::Success)
        return read;
    return ParseAccessPointReply(reply, result) ? ResultCode::Success : ResultCode::DataReceivingError;
}

} // namespace norvane
