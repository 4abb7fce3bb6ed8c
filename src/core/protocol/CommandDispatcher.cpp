#include "protocol/CommandDispatcher.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/DialogOperations.h"
#include "protocol/PrinterOperations.h"
#include "protocol/WirelessOperations.h"

#include <QByteArray>

namespace norvane {

namespace {

constexpr std::uint32_t kHighestOperation = 33;

bool showsProgress(OperationCode op, std::int32_t extra)
{
    return (op == OperationCode::ReadConfiguration && extra == 1) || op == OperationCode::WriteConfigurationPage ||
           op == OperationCode::ReadFileLists;
}

} // namespace

CommandDispatcher::CommandDispatcher(LinkLayer& links) : m_links(links)
{
    RegisterPrinterOperations(*this);
    RegisterDialogOperations(*this);
    RegisterWirelessOperations(*this);
}

void CommandDispatcher::registerOperation(OperationCode op, Operation operation)
{
    m_operations[static_cast<std::uint32_t>(op)] = std::move(operation);
}

ResultCode CommandDispatcher::dispatch(std::uint32_t op, InterfaceKind kind, std::any record, std::int32_t extra)
{
    if (op > kHighestOperation || op == 27)
        return ResultCode::UnknowError;

    const auto code = static_cast<OperationCode>(op);
    if (kind == InterfaceKind::Lpt) {
        switch (code) {
        case OperationCode::ReadStatus:
        case OperationCode::ReadConfiguration:
        case OperationCode::ReadEmulation:
            return ResultCode::DataReceivingError;
        case OperationCode::ReadPassword:
            // Nothing can be read over LPT, so the password check passes there.
            if (auto* password = OperationRequest{m_links, kind, record, extra}.recordAs<QByteArray>())
                password->clear();
            return ResultCode::Success;
        default:
            break;
        }
    }

    const auto found = m_operations.find(op);
    if (found == m_operations.end())
        return ResultCode::UnknowError;

    Progress& progress = m_links.progress();
    const bool withProgress = showsProgress(code, extra);
    if (withProgress)
        progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    const ResultCode result = found->second(OperationRequest{m_links, kind, std::move(record), extra});
    if (withProgress)
        progress.HideProgress();
    return result;
}

} // namespace norvane
