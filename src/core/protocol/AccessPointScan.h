#pragma once

#include "protocol/CommandDispatcher.h"

#include <QByteArray>
#include <QList>

namespace norvane {

class PrinterLink;

struct AccessPoint
{
    QByteArray ssid;
    /// 1 WEP, 2 WPA, anything else none.
    std::int32_t security = 0;
};

/// The record of operation 28: the access points the external module found.
struct AccessPointScanResult
{
    /// The record keeps 100 access points with SSIDs of up to 255 bytes; longer SSIDs are cut and further
    /// entries dropped, so a crowded site cannot overflow it.
    static constexpr qsizetype kMaxAccessPoints = 100;
    static constexpr qsizetype kMaxSsidLength = 255;

    QList<AccessPoint> accessPoints;
    bool moduleFound = false;
};

/// Operation 28: "DIAGNOSTIC REPORT SCANAP", then the module's search time with progress, then one framed
/// reply. The search time is the link's `accessPointScan`; an answer that comes earlier ends the wait.
ResultCode ScanAccessPoints(PrinterLink& link, AccessPointScanResult& result, const OperationContext& context);

/// The scan reply: a count, CR, then SSID "," security "," an unused field, CR per access point; a count of -1
/// means no module. False when the reply has no CR after the count.
bool ParseAccessPointReply(const QByteArray& reply, AccessPointScanResult& result);

/// The access points in order, without one whose SSID and security an earlier one already has (a module lists
/// an access point once per channel it heard it on).
QList<AccessPoint> DistinctAccessPoints(const QList<AccessPoint>& accessPoints);

/// "WEP", "WPA" or "NONE".
QByteArray SecurityName(std::int32_t security);

} // namespace norvane
