#include "protocol/ModuleScan.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/ReplyFraming.h"

#include <QScopeGuard>

namespace norvane {

namespace {

constexpr qsizetype kScanReplyCapacity = 8912;

} // namespace

ResultCode ReadModuleScan(PrinterLink& link, const OperationContext& context, QByteArrayView command,
                          std::chrono::milliseconds scanTime, int waitSteps, QByteArray& reply)
{
    if (Announce(link) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    if (SendCommand(link, command) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    link.DiscardInput();

    Progress& progress = context.links.progress();
    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    const auto hide = qScopeGuard([&] { progress.HideProgress(); });
    const auto step = scanTime / waitSteps;
    for (int i = 0; i < waitSteps; ++i) {
        if (link.WaitForInput(step))
            break;
        progress.StepProgress(ProgressMode::StepPerWrite, 3);
        progress.PassEvents();
    }
    return ReadFramedReply(link, reply, kScanReplyCapacity) ? ResultCode::Success : ResultCode::DataReceivingError;
}

} // namespace norvane
