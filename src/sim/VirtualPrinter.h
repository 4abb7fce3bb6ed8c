#pragma once

#include "CommandRouter.h"
#include "CommandStream.h"
#include "ModuleTap.h"
#include "PrinterState.h"

#include <functional>
#include <memory>
#include <mutex>

namespace norvane::sim {

class PrinterSession;

/// The printer model behind every connection of the virtual printer. Thread-safe: the server runs the
/// connections on its own thread while tests set the state and read the logs.
class VirtualPrinter
{
public:
    VirtualPrinter();
    ~VirtualPrinter();

    /// Runs `change` on the state under the printer's lock and returns what it returns.
    template <typename Change> auto withState(Change&& change)
    {
        std::lock_guard lock(m_mutex);
        return change(m_state);
    }

    PrinterState snapshot() const;
    QByteArray received() const;
    QList<QByteArray> commands() const;
    void clearLogs();

    /// Called with each accepted command in readable form, on the server's thread, after the command was
    /// carried out and with the printer's lock released.
    void setCommandObserver(std::function<void(const QByteArray&)> observer);

    /// A fresh byte stream, as a new connection brings.
    std::unique_ptr<PrinterSession> openSession();

private:
    friend class PrinterSession;
    /// Logs the bytes, cuts them into commands, carries them out; the outputs to send, faults applied.
    QList<Output> receive(CommandStream& stream, ModuleTap& tap, QByteArrayView bytes);
    /// Carries out what the stream still holds when its sender has gone.
    void end(CommandStream& stream);
    /// Logs and carries out the commands, then releases the lock and tells the observer.
    QList<Output> carryOut(const QList<Command>& commands, std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    PrinterState m_state;
    CommandRouter m_router;
    std::function<void(const QByteArray&)> m_commandObserver;
};

/// One connection's view of the printer: its own command stream over the shared model.
class PrinterSession
{
public:
    explicit PrinterSession(VirtualPrinter& printer);
    QList<Output> receive(QByteArrayView bytes) { return m_printer.receive(m_stream, m_tap, bytes); }
    /// The connection has ended: binary data it was sending is logged now.
    void close() { m_printer.end(m_stream); }

private:
    VirtualPrinter& m_printer;
    CommandStream m_stream;
    ModuleTap m_tap;
};

/// "ESC !?" for an escape sequence, the line itself otherwise, "(refused)" after a refused line,
/// "(binary data, N bytes)" for binary data; bytes below 0x20 as \xNN.
QByteArray ReadableCommand(const Command& command);

} // namespace norvane::sim
