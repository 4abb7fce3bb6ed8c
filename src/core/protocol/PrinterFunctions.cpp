#include "protocol/PrinterFunctions.h"

#include "protocol/ReplyFraming.h"

namespace norvane {

std::function<ResultCode(PrinterLink&)> SendOnly(QByteArrayView command)
{
    return [command](PrinterLink& link) {
        return SendCommand(link, command);
    };
}

} // namespace norvane
