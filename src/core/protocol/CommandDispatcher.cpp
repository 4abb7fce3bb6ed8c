#include "protocol/CommandDispatcher.h"

#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandFormat.h"
#include "protocol/DialogOperations.h"
#include "protocol/DumpOperations.h"
#include "protocol/EthernetOperations.h"
#include "protocol/FileOperations.h"
#include "protocol/OperationName.h"
#include "protocol/PrinterClock.h"
#include "protocol/PrinterOperations.h"
#include "protocol/SensorOperations.h"
#include "protocol/TestPageOperation.h"
#include "protocol/WirelessOperations.h"

#include <QByteArray>
#include <QScopeGuard>

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
    RegisterDumpOperations(*this);
    RegisterFileOperations(*this);
    RegisterTestPageOperation(*this);
    RegisterSensorOperations(*this);
    RegisterWirelessOperations(*this);
    RegisterClockOperations(*this);
    RegisterEthernetOperations(*this);
}

ResultCode CommandDispatcher::dispatch(OperationCode op, InterfaceKind kind)
{
    const auto number = static_cast<std::uint32_t>(op);
    const auto found = m_operations.find(number);
    if (found != m_operations.end() && found->second.takesRecord)
        return ResultCode::UnknowError;
    return dispatchNumber(number, kind, nullptr, 0);
}

ResultCode CommandDispatcher::dispatchNumber(std::uint32_t op, InterfaceKind kind, void* record, std::int32_t extra)
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
            static_cast<RecordOf<OperationCode::ReadPassword>*>(record)->clear();
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
    const auto hide = qScopeGuard([&] {
        if (withProgress)
            progress.HideProgress();
    });
    const LinkLayer::OperationName naming(m_links, OperationCodeName(op));
    try {
        return found->second.call(OperationContext{m_links, kind, extra}, record);
    } catch (const UnsendableValue&) {
        return ResultCode::UnknowError;
    }
}

} // namespace norvane
