#pragma once

#include "link/LinkLayer.h"
#include "protocol/CommandDispatcher.h"

#include <type_traits>
#include <utility>

namespace norvane {

/// The common shape of an operation: open a fresh link of the caller's kind (1 when it does not open), run
/// `body` on it, close it on every path. `body` takes the link, then the record (unless the operation has
/// none), then, if it needs them, the operation's context.
template <OperationCode Op, typename Body> Operation<Op> OverLink(Body body)
{
    using Record = RecordOf<Op>;
    if constexpr (std::is_void_v<Record>) {
        return [body = std::move(body)](const OperationContext& context) -> ResultCode {
            auto link = context.links.OpenLink(context.kind);
            if (!link)
                return ResultCode::PortOpenError;
            if constexpr (std::is_invocable_v<Body, PrinterLink&, const OperationContext&>)
                return body(*link, context);
            else
                return body(*link);
        };
    } else {
        return [body = std::move(body)](const OperationContext& context, Record& record) -> ResultCode {
            auto link = context.links.OpenLink(context.kind);
            if (!link)
                return ResultCode::PortOpenError;
            if constexpr (std::is_invocable_v<Body, PrinterLink&, Record&, const OperationContext&>)
                return body(*link, record, context);
            else
                return body(*link, record);
        };
    }
}

/// Puts `body` into the dispatcher's table as operation `Op`, run over a fresh link.
template <OperationCode Op, typename Body> void RegisterOverLink(CommandDispatcher& dispatcher, Body body)
{
    dispatcher.registerOperation<Op>(OverLink<Op>(std::move(body)));
}

} // namespace norvane
