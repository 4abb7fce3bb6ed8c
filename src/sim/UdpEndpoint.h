#pragma once

#include "Endpoint.h"
#include "VirtualPrinter.h"
#include "link/PosixIo.h"

#include <QByteArray>
#include <QList>
#include <memory>
#include <netinet/in.h>

namespace norvane::sim {

/// The discovery port: a datagram socket on every local address, in the multicast group on the loopback
/// interface, so broadcast and multicast requests reach it as well as unicast ones. Only senders on this
/// machine are answered.
class UdpEndpoint : public Endpoint
{
public:
    /// Binds `port` (0: any free port); nullptr when it cannot.
    static std::unique_ptr<UdpEndpoint> open(int port, VirtualPrinter& printer);

    int port() const { return m_port; }
    int fd() const override { return m_socket.get(); }
    short events(Clock::time_point now, Clock::time_point& wakeAt) const override;
    void handle(short revents) override;
    bool finished() const override { return false; }

private:
    UdpEndpoint(UniqueFd socket, int port, VirtualPrinter& printer);

    struct Outgoing
    {
        sockaddr_in to;
        QByteArray datagram;
    };

    UniqueFd m_socket;
    int m_port;
    VirtualPrinter& m_printer;
    QList<Outgoing> m_queue;
};

} // namespace norvane::sim
