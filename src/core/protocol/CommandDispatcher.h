#pragma once

#include "link/InterfaceKind.h"
#include "protocol/OperationCode.h"
#include "protocol/ResultCode.h"

#include <any>
#include <cstdint>
#include <functional>
#include <map>

namespace norvane {

class LinkLayer;

/// What one operation is given: the link layer, the kind chosen when it started, the caller's record
/// (a pointer to the operation's own record type, or nothing) and the extra value.
struct OperationRequest
{
    LinkLayer& links;
    InterfaceKind kind;
    std::any record;
    std::int32_t extra;

    /// The record as the operation's type; null when the caller passed none or another type.
    template <typename Record> Record* recordAs() const
    {
        auto* const* held = std::any_cast<Record*>(&record);
        return held ? *held : nullptr;
    }
};

using Operation = std::function<ResultCode(const OperationRequest&)>;

/// The one entry point of every printer exchange: runs a numbered operation over a fresh link.
class CommandDispatcher
{
public:
    /// Registers every operation the core provides.
    explicit CommandDispatcher(LinkLayer& links);

    /// Returns 5 for an operation not in the table; refuses the reading operations 0, 1 and 29 on LPT
    /// with 3 and answers op 2 there with an empty password; shows progress around ops 1 (extra 1), 4 and 12.
    ResultCode dispatch(std::uint32_t op, InterfaceKind kind, std::any record = {}, std::int32_t extra = 0);
    ResultCode dispatch(OperationCode op, InterfaceKind kind, std::any record = {}, std::int32_t extra = 0)
    {
        return dispatch(static_cast<std::uint32_t>(op), kind, std::move(record), extra);
    }

    void registerOperation(OperationCode op, Operation operation);

    LinkLayer& links() { return m_links; }

private:
    LinkLayer& m_links;
    std::map<std::uint32_t, Operation> m_operations;
};

} // namespace norvane
