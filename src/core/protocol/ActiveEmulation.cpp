#include "protocol/ActiveEmulation.h"

#include "link/PrinterLink.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

ResultCode ReadActiveEmulation(PrinterLink& link, std::int32_t& emulation)
{
    if (Announce(link) != ResultCode::Success)
        return ResultCode::DataTransmissionError;
    QByteArray reply;
    const ResultCode result = Exchange(link, "DIAGNOSTIC REPORT ACT_EMULATION\r\n", reply);
    if (result == ResultCode::Success)
        emulation = ReplyNumber(reply);
    return result;
}

ResultCode SetActiveEmulation(PrinterLink& link, const std::int32_t& emulation)
{
    return SendCommand(link, emulation == EmulationZpl2 ? "\x1bZ" : "\x1bY");
}

} // namespace norvane
