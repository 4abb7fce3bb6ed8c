#include "VirtualPrinter.h"

#include "BluetoothCommands.h"
#include "ClockCommands.h"
#include "CommonSettingCommands.h"
#include "ControlCommands.h"
#include "DiagnosticCommands.h"
#include "DumpCommands.h"
#include "EmulationSettingCommands.h"
#include "ExternalModuleCommands.h"
#include "FirmwareUpdateCommands.h"
#include "MemoryCommands.h"
#include "NetworkCommands.h"
#include "PasswordCommands.h"
#include "PrinterFunctionCommands.h"
#include "PrinterProfile.h"
#include "ReadOnlySettings.h"
#include "SensorCommands.h"
#include "StatusCommands.h"
#include "WirelessSettingCommands.h"

namespace norvane::sim {

VirtualPrinter::VirtualPrinter()
{
    m_router.add(std::make_unique<StatusCommands>());
    m_router.add(std::make_unique<ControlCommands>());
    m_router.add(std::make_unique<DiagnosticCommands>());
    m_router.add(std::make_unique<PasswordCommands>());
    m_router.add(std::make_unique<PrinterFunctionCommands>());
    m_router.add(std::make_unique<CommonSettingCommands>());
    m_router.add(std::make_unique<EmulationSettingCommands>());
    m_router.add(std::make_unique<WirelessSettingCommands>());
    m_router.add(std::make_unique<BluetoothCommands>());
    m_router.add(std::make_unique<FirmwareUpdateCommands>());
    m_router.add(std::make_unique<MemoryCommands>());
    m_router.add(std::make_unique<ClockCommands>());
    m_router.add(std::make_unique<DumpCommands>());
    m_router.add(std::make_unique<SensorCommands>());
    m_router.add(std::make_unique<ExternalModuleCommands>());
    m_router.add(std::make_unique<NetworkCommands>());
    m_state.reports = FactoryReports(kDefaultEdition);
}

VirtualPrinter::~VirtualPrinter() = default;

PrinterState VirtualPrinter::snapshot() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

QByteArray VirtualPrinter::received() const
{
    std::lock_guard lock(m_mutex);
    return m_state.received;
}

QList<QByteArray> VirtualPrinter::commands() const
{
    std::lock_guard lock(m_mutex);
    return m_state.commands;
}

void VirtualPrinter::clearLogs()
{
    std::lock_guard lock(m_mutex);
    m_state.received.clear();
    m_state.commands.clear();
}

void VirtualPrinter::setCommandObserver(std::function<void(const QByteArray&)> observer)
{
    std::lock_guard lock(m_mutex);
    m_commandObserver = std::move(observer);
}

std::unique_ptr<PrinterSession> VirtualPrinter::openSession()
{
    return std::make_unique<PrinterSession>(*this);
}

QList<Output> VirtualPrinter::receive(CommandStream& stream, ModuleTap& tap, QByteArrayView bytes)
{
    std::unique_lock lock(m_mutex);
    m_state.received.append(bytes);
    if (!m_state.externalModule.moduleMode)
        return carryOut(stream.feed(bytes), lock);
    QList<Output> answers;
    QByteArray printerBytes;
    for (const ModuleTap::Part& part : tap.split(bytes)) {
        if (!part.toModule) {
            printerBytes += part.bytes;
            continue;
        }
        m_state.commands.append("module " + part.bytes);
        const QByteArray answer = ModuleAnswer(part.bytes, m_state.externalModule);
        if (!answer.isEmpty())
            answers += ApplyFault(m_state.fault, m_state.replyDelay, {answer});
    }
    return answers + carryOut(stream.feed(printerBytes), lock);
}

void VirtualPrinter::end(CommandStream& stream)
{
    std::unique_lock lock(m_mutex);
    carryOut(stream.finish(), lock);
}

QList<Output> VirtualPrinter::carryOut(const QList<Command>& commands, std::unique_lock<std::mutex>& lock)
{
    QList<Output> outputs;
    QList<QByteArray> accepted;
    for (const Command& command : commands) {
        m_state.commands.append(ReadableCommand(command));
        QList<Reply> replies;
        const KeptReports kept = TakeReadOnlyReports(m_state);
        if (CommandFamily* family = m_router.familyFor(command))
            family->handle(command, m_state, replies);
        RestoreReadOnlyReports(m_state, kept);
        // Taken after handling, with any remark the family added.
        accepted.append(m_state.commands.last());
        for (const Reply& reply : replies)
            outputs.append(ApplyFault(m_state.fault, m_state.replyDelay, reply));
    }
    const std::function<void(const QByteArray&)> observer = m_commandObserver;
    // Outside the lock: an observer may be slow (a terminal) or ask the printer itself.
    lock.unlock();
    if (observer) {
        for (const QByteArray& command : accepted)
            observer(command);
    }
    return outputs;
}

PrinterSession::PrinterSession(VirtualPrinter& printer) : m_printer(printer)
{
    for (const auto& family : printer.m_router.families())
        family->addPayloadRules(m_stream);
}

QByteArray ReadableCommand(const Command& command)
{
    if (command.kind == Command::Kind::Binary)
        return "(binary data, " + QByteArray::number(command.binarySize) + " bytes)";
    QByteArray readable = command.kind == Command::Kind::Escape ? "ESC " : "";
    for (const char byte : command.text) {
        if (static_cast<unsigned char>(byte) < 0x20 || byte == '\\')
            readable += "\\x" + QByteArray::number(static_cast<unsigned char>(byte), 16).rightJustified(2, '0');
        else
            readable += byte;
    }
    if (!command.payload.isEmpty())
        readable += " +" + QByteArray::number(command.payload.size()) + " bytes";
    if (command.kind == Command::Kind::Refused)
        readable += " (refused)";
    return readable;
}

} // namespace norvane::sim
