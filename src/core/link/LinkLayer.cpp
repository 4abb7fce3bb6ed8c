#include "link/LinkLayer.h"

#include "link/Progress.h"
#include "link/SystemTransportOpener.h"
#include "link/WaitPacing.h"

namespace norvane {

LinkLayer::LinkLayer(const LinkSettings& settings, Progress& progress, std::unique_ptr<TransportOpener> opener)
    : m_settings(settings), m_progress(progress),
      m_opener(opener ? std::move(opener) : std::make_unique<SystemTransportOpener>())
{
}

LinkLayer::~LinkLayer() = default;

std::unique_ptr<PrinterLink> LinkLayer::OpenLink(InterfaceKind kind)
{
    // A request to stop made after the previous link's last wait was meant for that operation, not this one.
    m_progress.TakeCancelRequest();
    WaitPacing pacing(m_progress, m_timeouts.showWaitingAfter);
    auto transport = m_opener->open(kind, m_settings, m_timeouts, pacing);
    if (!transport) {
        m_progress.HideWaiting();
        return nullptr;
    }
    ReceiveRing* ring = ringOf(kind);
    if (ring)
        ring->clear();
    auto link = std::make_unique<PrinterLink>(kind, std::move(transport), ring, m_progress, readTimeoutOf(kind),
                                              m_timeouts.showWaitingAfter);
    link->traceTo(m_trace, m_operation);
    return link;
}

ReceiveRing* LinkLayer::ringOf(InterfaceKind kind)
{
    switch (kind) {
    case InterfaceKind::Usb:
        return m_usbRing.get();
    case InterfaceKind::Com:
        return m_comRing.get();
    case InterfaceKind::Ethernet:
        return m_ethernetRing.get();
    case InterfaceKind::Lpt:
        break;
    }
    return nullptr;
}

std::chrono::milliseconds LinkLayer::readTimeoutOf(InterfaceKind kind) const
{
    switch (kind) {
    case InterfaceKind::Usb:
        return m_timeouts.usbRead;
    case InterfaceKind::Com:
        return m_timeouts.comRead;
    case InterfaceKind::Ethernet:
        return m_timeouts.ethernet;
    case InterfaceKind::Lpt:
        break;
    }
    return std::chrono::milliseconds{0};
}

} // namespace norvane
