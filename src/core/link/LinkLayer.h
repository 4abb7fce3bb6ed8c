#pragma once

#include "link/InterfaceKind.h"
#include "link/LinkSettings.h"
#include "link/LinkTimeouts.h"
#include "link/PrinterLink.h"
#include "link/ReceiveRing.h"

#include <QByteArray>
#include <memory>
#include <utility>

namespace norvane {

class Progress;
class TrafficTrace;
class TransportOpener;

/// The byte layer under every printer operation: opens a fresh link of a kind with the current settings.
/// Owned by whoever owns the link settings (the main window or the cli) and handed to the operations.
class LinkLayer
{
public:
    /// Without an opener the real devices are used.
    LinkLayer(const LinkSettings& settings, Progress& progress, std::unique_ptr<TransportOpener> opener = nullptr);
    ~LinkLayer();
    LinkLayer(const LinkLayer&) = delete;
    LinkLayer& operator=(const LinkLayer&) = delete;

    /// Null when the link cannot be opened. Empties the kind's receive ring.
    std::unique_ptr<PrinterLink> OpenLink(InterfaceKind kind);

    /// Every link opened from now on writes its traffic to `trace`; null stops tracing. A link already open
    /// keeps the trace it started with.
    void setTrace(std::shared_ptr<TrafficTrace> trace) { m_trace = std::move(trace); }
    bool tracing() const { return m_trace != nullptr; }

    /// Names, in the trace, the operation the links opened while the returned guard lives belong to.
    class OperationName
    {
    public:
        OperationName(LinkLayer& links, QByteArray name)
            : m_links(links), m_previous(std::exchange(links.m_operation, std::move(name)))
        {
        }
        ~OperationName() { m_links.m_operation = std::move(m_previous); }
        OperationName(const OperationName&) = delete;
        OperationName& operator=(const OperationName&) = delete;

    private:
        LinkLayer& m_links;
        QByteArray m_previous;
    };

    LinkTimeouts& timeouts() { return m_timeouts; }
    const LinkSettings& settings() const { return m_settings; }
    Progress& progress() { return m_progress; }

private:
    ReceiveRing* ringOf(InterfaceKind kind);
    std::chrono::milliseconds readTimeoutOf(InterfaceKind kind) const;

    const LinkSettings& m_settings;
    Progress& m_progress;
    std::unique_ptr<TransportOpener> m_opener;
    LinkTimeouts m_timeouts;
    std::shared_ptr<TrafficTrace> m_trace;
    QByteArray m_operation;
    std::unique_ptr<ReceiveRing> m_usbRing = std::make_unique<ReceiveRing>();
    std::unique_ptr<ReceiveRing> m_comRing = std::make_unique<ReceiveRing>();
    std::unique_ptr<ReceiveRing> m_ethernetRing = std::make_unique<ReceiveRing>();
};

} // namespace norvane
