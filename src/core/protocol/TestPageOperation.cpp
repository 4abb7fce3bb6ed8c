#include "protocol/TestPageOperation.h"

#include "link/LinkLayer.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

ResultCode PrintTestPage(const OperationContext& context, const TestPageRequest& request)
{
    const auto script = TestPageScript(request);
    if (!script)
        return ResultCode::UnknowError;
    const auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    return SendCommand(*link, *script);
}

void RegisterTestPageOperation(CommandDispatcher& dispatcher)
{
    dispatcher.registerOperation<OperationCode::PrintTestPage>(PrintTestPage);
}

} // namespace norvane
