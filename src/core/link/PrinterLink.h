#pragma once

#include "link/InterfaceKind.h"
#include "link/TraceText.h"
#include "link/TrafficTrace.h"
#include "link/Transport.h"

#include <QByteArrayView>
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>

namespace norvane {

class LinkTracer;
class Progress;
class ReceiveRing;
class TrafficTrace;

/// One opened link for the length of one printer operation. Closes itself when destroyed.
///
/// Every wait for input is cut into slices of at most WaitPacing::kSlice, with an event pass of the progress view
/// between them, so the window keeps painting however long the printer takes. A wait that lasts
/// `showWaitingAfter` tells the progress view. When the view asks to stop waiting, the current wait ends as a
/// time-out and every further read and wait of this link fails at once; writes still go out whole.
class PrinterLink
{
public:
    PrinterLink(InterfaceKind kind, std::unique_ptr<Transport> transport, ReceiveRing* ring, Progress& progress,
                std::chrono::milliseconds readTimeout, std::chrono::milliseconds showWaitingAfter);
    ~PrinterLink();
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;

    InterfaceKind kind() const { return m_kind; }

    /// Writes in chunks (64 bytes USB and COM, 512 TCP, one write LPT) with progress; true when all went out.
    /// A trace shows the `secrets` of `data` only as markers.
    bool WriteLink(QByteArrayView data, std::span<const SecretSpan> secrets = {});
    /// The next received byte; false after one read time-out without input, when the connection ended, once
    /// the user stopped the waiting, and always on LPT.
    bool ReadByte(std::uint8_t& out);
    /// Reads up to `count` bytes, stopping at the first failure; returns how many arrived.
    std::size_t ReadBytes(char* out, std::size_t count);
    /// Forgets everything received so far, before a reply that takes long to come.
    void DiscardInput();
    /// Waits at most `timeout` for input without taking it; true as soon as some is there.
    bool WaitForInput(std::chrono::milliseconds timeout);
    /// May be called any number of times.
    void CloseLink();

    /// Writes what goes over this link to `trace`, naming `operation`, from now until it closes.
    void traceTo(std::shared_ptr<TrafficTrace> trace, QByteArray operation);
    /// While set, a trace shows what arrives only as a marker with its count: the reply carries a secret.
    void setReceivingSecret(bool secret);

    std::chrono::milliseconds readTimeout() const { return m_readTimeout; }
    void setReadTimeout(std::chrono::milliseconds timeout) { m_readTimeout = timeout; }

private:
    bool writeAll(QByteArrayView data);
    bool writeInChunks(QByteArrayView data, std::size_t chunkSize);
    bool fetch(std::chrono::milliseconds timeout);
    /// An event pass that also takes the user's request to stop waiting.
    void passEvents();
    /// Notes in the trace why a wait for input brought nothing.
    void traceWaitEnd(TraceEvent why);

    InterfaceKind m_kind;
    std::unique_ptr<Transport> m_transport;
    ReceiveRing* m_ring;
    Progress& m_progress;
    std::chrono::milliseconds m_readTimeout;
    std::chrono::milliseconds m_showWaitingAfter;
    bool m_cancelled = false;
    std::unique_ptr<LinkTracer> m_tracer;
    bool m_receivingSecret = false;
};

/// Keeps the replies read while it lives out of a link's trace.
class SecretReception
{
public:
    explicit SecretReception(PrinterLink& link) : m_link(link) { m_link.setReceivingSecret(true); }
    ~SecretReception() { m_link.setReceivingSecret(false); }
    SecretReception(const SecretReception&) = delete;
    SecretReception& operator=(const SecretReception&) = delete;

private:
    PrinterLink& m_link;
};

} // namespace norvane
