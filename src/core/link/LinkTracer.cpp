#include "link/LinkTracer.h"

namespace norvane {

namespace {
/// A burst longer than this is cut into several lines, so a long reply shows while it still comes.
constexpr qsizetype kBurstLimit = 4096;
} // namespace

LinkTracer::LinkTracer(std::shared_ptr<TrafficTrace> trace, InterfaceKind kind, QByteArray operation, TimePoint opened)
    : m_trace(std::move(trace)), m_kind(kind), m_operation(std::move(operation)), m_opened(opened)
{
    m_trace->record(sourceAt(opened), TraceEvent::Open);
}

TraceSource LinkTracer::sourceAt(TimePoint time) const
{
    return {std::chrono::duration_cast<std::chrono::microseconds>(time - m_opened), m_kind, m_operation};
}

void LinkTracer::sent(TimePoint now, QByteArrayView bytes, std::span<const SecretSpan> secrets)
{
    endBurst();
    m_trace->record(sourceAt(now), TraceEvent::Send, bytes, secrets);
}

void LinkTracer::received(TimePoint now, QByteArrayView bytes, bool secret)
{
    if (m_burstBytes == 0)
        m_burstStart = now;
    if (secret) {
        m_burstSecretBytes += bytes.size();
    } else {
        takeSecret();
        AppendTraceText(m_burstText, bytes);
    }
    m_burstBytes += bytes.size();
    if (m_burstBytes >= kBurstLimit)
        endBurst();
}

void LinkTracer::takeSecret()
{
    if (m_burstSecretBytes == 0)
        return;
    m_burstText += SecretMarker(m_burstSecretBytes);
    m_burstSecretBytes = 0;
}

void LinkTracer::endBurst()
{
    if (m_burstBytes == 0)
        return;
    takeSecret();
    m_trace->recordText(sourceAt(m_burstStart), TraceEvent::Receive, m_burstText);
    m_burstText.clear();
    m_burstBytes = 0;
}

void LinkTracer::event(TimePoint now, TraceEvent event)
{
    endBurst();
    m_trace->record(sourceAt(now), event);
}

} // namespace norvane
