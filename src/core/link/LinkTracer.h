#pragma once

#include "link/TrafficTrace.h"

#include <QByteArray>
#include <chrono>
#include <memory>

namespace norvane {

/// The trace of one opened link: stamps each line with the time since the link opened and gathers bytes that
/// arrive one after another, without a wait between them, into one line.
class LinkTracer
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    LinkTracer(std::shared_ptr<TrafficTrace> trace, InterfaceKind kind, QByteArray operation, TimePoint opened);

    void sent(TimePoint now, QByteArrayView bytes, std::span<const SecretSpan> secrets);
    /// `secret` bytes show as a marker with their count.
    void received(TimePoint now, QByteArrayView bytes, bool secret);
    /// A wait found nothing: the bytes gathered so far were one burst.
    void endBurst();
    /// An event without bytes (a failed write, a wait that ended empty, the close).
    void event(TimePoint now, TraceEvent event);

private:
    TraceSource sourceAt(TimePoint time) const;
    void takeSecret();

    std::shared_ptr<TrafficTrace> m_trace;
    InterfaceKind m_kind;
    QByteArray m_operation;
    TimePoint m_opened;
    QByteArray m_burstText;
    qsizetype m_burstBytes = 0;
    qsizetype m_burstSecretBytes = 0;
    TimePoint m_burstStart;
};

} // namespace norvane
