#include "link/PrinterLink.h"

#include "link/LinkTracer.h"
#include "link/Progress.h"
#include "link/ReceiveRing.h"
#include "link/WaitPacing.h"

#include <algorithm>
#include <array>

namespace norvane {

namespace {

constexpr std::size_t kUsbComChunk = 64;
constexpr std::size_t kEthernetChunk = 512;

constexpr std::size_t fetchSize(InterfaceKind kind)
{
    switch (kind) {
    case InterfaceKind::Usb:
        return 64;
    case InterfaceKind::Com:
        return 1;
    case InterfaceKind::Ethernet:
        return 4096;
    default:
        return 0;
    }
}

int percentWritten(std::size_t length, std::size_t remaining)
{
    return static_cast<int>((static_cast<std::uint64_t>(length - remaining) * 100) / length);
}

} // namespace

PrinterLink::PrinterLink(InterfaceKind kind, std::unique_ptr<Transport> transport, ReceiveRing* ring,
                         Progress& progress, std::chrono::milliseconds readTimeout,
                         std::chrono::milliseconds showWaitingAfter)
    : m_kind(kind), m_transport(std::move(transport)), m_ring(ring), m_progress(progress), m_readTimeout(readTimeout),
      m_showWaitingAfter(showWaitingAfter)
{
}

PrinterLink::~PrinterLink()
{
    CloseLink();
}

void PrinterLink::traceTo(std::shared_ptr<TrafficTrace> trace, QByteArray operation)
{
    if (trace && m_transport)
        m_tracer = std::make_unique<LinkTracer>(std::move(trace), m_kind, std::move(operation), m_transport->now());
}

void PrinterLink::setReceivingSecret(bool secret)
{
    // Bytes already gathered were received before the secret reply was asked for.
    if (m_tracer && secret != m_receivingSecret)
        m_tracer->endBurst();
    m_receivingSecret = secret;
}

bool PrinterLink::WriteLink(QByteArrayView data, std::span<const SecretSpan> secrets)
{
    m_progress.StepProgress(ProgressMode::StepPerWrite, 0);
    if (!m_transport)
        return false;
    if (m_tracer)
        m_tracer->sent(m_transport->now(), data, secrets);
    const bool written = writeAll(data);
    if (!written && m_tracer && m_transport)
        m_tracer->event(m_transport->now(), TraceEvent::SendFailed);
    return written;
}

bool PrinterLink::writeAll(QByteArrayView data)
{
    switch (m_kind) {
    case InterfaceKind::Usb:
    case InterfaceKind::Com:
        return writeInChunks(data, kUsbComChunk);
    case InterfaceKind::Lpt: {
        WaitPacing pacing(m_progress, m_showWaitingAfter);
        if (!m_transport->writeChunk(data, pacing)) {
            m_cancelled = m_cancelled || pacing.stopped();
            return false;
        }
        m_progress.StepProgress(ProgressMode::Percentage, 100);
        passEvents();
        return true;
    }
    case InterfaceKind::Ethernet:
        if (!writeInChunks(data, kEthernetChunk))
            return false;
        m_progress.StepProgress(ProgressMode::Percentage, 100);
        return true;
    }
    return false;
}

bool PrinterLink::writeInChunks(QByteArrayView data, std::size_t chunkSize)
{
    const auto length = static_cast<std::size_t>(data.size());
    std::size_t remaining = length;
    WaitPacing pacing(m_progress, m_showWaitingAfter);
    while (remaining > 0) {
        const std::size_t chunk = std::min(chunkSize, remaining);
        if (!m_transport->writeChunk(
                data.sliced(static_cast<qsizetype>(length - remaining), static_cast<qsizetype>(chunk)), pacing)) {
            // A printer the user stopped waiting for is given up on for the rest of the operation.
            m_cancelled = m_cancelled || pacing.stopped();
            return false;
        }
        remaining -= chunk;
        m_progress.StepProgress(ProgressMode::Percentage, percentWritten(length, remaining));
        passEvents();
    }
    return true;
}

bool PrinterLink::ReadByte(std::uint8_t& out)
{
    if (!m_ring || !m_transport || m_cancelled)
        return false;
    if (m_ring->count() == 0 && !fetch(m_readTimeout))
        return false;
    return m_ring->take(out);
}

bool PrinterLink::WaitForInput(std::chrono::milliseconds timeout)
{
    if (!m_ring || !m_transport || m_cancelled)
        return false;
    return m_ring->count() > 0 || fetch(timeout);
}

bool PrinterLink::fetch(std::chrono::milliseconds timeout)
{
    const auto start = m_transport->now();
    const auto deadline = start + timeout;
    WaitPacing pacing(m_progress, m_showWaitingAfter);
    std::array<std::uint8_t, 4096> buffer{};
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - m_transport->now());
        const FetchResult fetched =
            m_transport->fetch(buffer.data(), fetchSize(m_kind), std::clamp(left, left.zero(), WaitPacing::kSlice));
        if (fetched.count > 0) {
            m_ring->append(buffer.data(), fetched.count);
            if (m_tracer)
                m_tracer->received(m_transport->now(),
                                   QByteArrayView(buffer.data(), static_cast<qsizetype>(fetched.count)),
                                   m_receivingSecret);
            return true;
        }
        if (m_tracer)
            m_tracer->endBurst();
        const auto now = m_transport->now();
        if (fetched.ended || now >= deadline) {
            traceWaitEnd(fetched.ended ? TraceEvent::Ended : TraceEvent::TimedOut);
            return false;
        }
        if (!pacing.between(now - start)) {
            m_cancelled = true;
            traceWaitEnd(TraceEvent::Stopped);
            return false;
        }
    }
}

void PrinterLink::traceWaitEnd(TraceEvent why)
{
    if (m_tracer)
        m_tracer->event(m_transport->now(), why);
}

void PrinterLink::passEvents()
{
    m_progress.PassEvents();
    if (m_progress.TakeCancelRequest())
        m_cancelled = true;
}

std::size_t PrinterLink::ReadBytes(char* out, std::size_t count)
{
    std::size_t arrived = 0;
    std::uint8_t byte = 0;
    while (arrived < count && ReadByte(byte))
        out[arrived++] = static_cast<char>(byte);
    return arrived;
}

void PrinterLink::DiscardInput()
{
    if (m_ring)
        m_ring->clear();
    if (m_transport)
        m_transport->purgeInput();
}

void PrinterLink::CloseLink()
{
    if (m_tracer && m_transport)
        m_tracer->event(m_transport->now(), TraceEvent::Close);
    m_tracer.reset();
    m_transport.reset();
    m_progress.HideWaiting();
}

} // namespace norvane
