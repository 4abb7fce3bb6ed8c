#include "protocol/ActiveEmulation.h"

#include "link/LinkLayer.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

ResultCode ReadActiveEmulation(const OperationRequest& request)
{
    auto* emulation = request.recordAs<std::int32_t>();
    if (!emulation)
        return ResultCode::UnknowError;
    auto link = request.links.OpenLink(request.kind);
    if (!link)
        return ResultCode::PortOpenError;
    if (Announce(*link) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    QByteArray reply;
    const ResultCode result = Exchange(*link, "DIAGNOSTIC REPORT ACT_EMULATION\r\n", reply);
    if (result == ResultCode::Success)
        *emulation = ReplyNumber(reply);
    return result;
}

ResultCode SetActiveEmulation(const OperationRequest& request)
{
    const auto* emulation = request.recordAs<std::int32_t>();
    if (!emulation)
        return ResultCode::UnknowError;
    auto link = request.links.OpenLink(request.kind);
    if (!link)
        return ResultCode::PortOpenError;
    const QByteArrayView command = *emulation == EmulationZpl2 ? "\x1bZ" : "\x1bY";
    return link->WriteLink(command) ? ResultCode::Success : ResultCode::DataTransmissionError;
}

} // namespace norvane
