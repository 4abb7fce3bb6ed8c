#include "protocol/PrinterFunctions.h"

#include "link/LinkLayer.h"

namespace norvane {

ResultCode SendOnlyOperation(const OperationRequest& request, QByteArrayView command)
{
    auto link = request.links.OpenLink(request.kind);
    if (!link)
        return ResultCode::PortOpenError;
    return link->WriteLink(command) ? ResultCode::Success : ResultCode::DataTransmissionError;
}

ResultCode LinkTest(const OperationRequest& request)
{
    return request.links.OpenLink(request.kind) ? ResultCode::Success : ResultCode::PortOpenError;
}

} // namespace norvane
