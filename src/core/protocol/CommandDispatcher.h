#pragma once

#include "link/InterfaceKind.h"
#include "protocol/OperationCode.h"
#include "protocol/OperationRecords.h"
#include "protocol/ResultCode.h"

#include <cstdint>
#include <functional>
#include <map>
#include <type_traits>

namespace norvane {

class LinkLayer;

/// What every operation is given besides its record: the link layer, the kind chosen when it started and
/// the extra value.
struct OperationContext
{
    LinkLayer& links;
    InterfaceKind kind;
    std::int32_t extra;
};

template <typename Record> struct OperationFunction
{
    using Type = std::function<ResultCode(const OperationContext&, Record&)>;
};
template <> struct OperationFunction<void>
{
    using Type = std::function<ResultCode(const OperationContext&)>;
};

/// An operation of the table, taking its own record type.
template <OperationCode Op> using Operation = typename OperationFunction<RecordOf<Op>>::Type;

/// The one entry point of every printer exchange: runs a numbered operation over a fresh link.
class CommandDispatcher
{
public:
    /// Registers every operation the core provides.
    explicit CommandDispatcher(LinkLayer& links);

    /// Runs `Op` with its record. Returns 5 for an operation not in the table or a command that would carry a
    /// text or number it cannot (nothing is sent then); refuses the reading operations 0, 1 and 29 on LPT
    /// with 3 and answers op 2 there with an empty password; shows progress around ops 1 (extra 1), 4 and 12.
    template <OperationCode Op> ResultCode dispatch(InterfaceKind kind, RecordOf<Op>& record, std::int32_t extra = 0)
    {
        return dispatchNumber(static_cast<std::uint32_t>(Op), kind,
                              const_cast<void*>(static_cast<const void*>(&record)), extra);
    }

    template <OperationCode Op>
    requires std::is_void_v<RecordOf<Op>> ResultCode dispatch(InterfaceKind kind, std::int32_t extra = 0)
    {
        return dispatchNumber(static_cast<std::uint32_t>(Op), kind, nullptr, extra);
    }

    /// An operation chosen at run time (a command name, a number from outside): operations without a record
    /// only; any other number gives 5, as one not in the table does.
    ResultCode dispatch(OperationCode op, InterfaceKind kind);

    template <OperationCode Op> void registerOperation(Operation<Op> operation)
    {
        Entry entry;
        if constexpr (std::is_void_v<RecordOf<Op>>) {
            entry.call = [operation = std::move(operation)](const OperationContext& context, void*) {
                return operation(context);
            };
        } else {
            entry.takesRecord = true;
            entry.call = [operation = std::move(operation)](const OperationContext& context, void* record) {
                return operation(context, *static_cast<RecordOf<Op>*>(record));
            };
        }
        m_operations[static_cast<std::uint32_t>(Op)] = std::move(entry);
    }

    LinkLayer& links() { return m_links; }

private:
    /// The record behind `record` is the type `RecordOf` gives for `op`: only the typed calls reach here with one.
    struct Entry
    {
        std::function<ResultCode(const OperationContext&, void*)> call;
        bool takesRecord = false;
    };

    ResultCode dispatchNumber(std::uint32_t op, InterfaceKind kind, void* record, std::int32_t extra);

    LinkLayer& m_links;
    std::map<std::uint32_t, Entry> m_operations;
};

} // namespace norvane
