#pragma once

#include "link/HostResolver.h"
#include "link/LinkTimeouts.h"
#include "link/PosixIo.h"
#include "link/Transport.h"
#include "link/WaitPacing.h"

#include <QString>

namespace norvane {

/// The TCP connection to a network printer.
class TcpTransport : public Transport
{
public:
    /// Resolves a name or takes a dotted address; null when refused, unreachable, unresolvable, when the name is
    /// not resolved or the connection not made within the Ethernet time-out, or when the user stops the wait.
    static std::unique_ptr<TcpTransport> TcpConnect(const QString& host, int port, const LinkTimeouts& timeouts,
                                                    WaitPacing& pacing, const AddressLookup& lookup = ::getaddrinfo);

    /// Sends the whole chunk, also when the socket takes it in parts. A wait of the Ethernet time-out
    /// without transfer is repeated at most `ethernetStalledWriteRetries` times, then the write fails.
    bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) override;
    /// Waits for received bytes and takes what is there; nothing on time-out, ended when the printer closed.
    FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override;

private:
    TcpTransport(UniqueFd socket, const LinkTimeouts& timeouts) : m_socket(std::move(socket)), m_timeouts(timeouts) {}

    UniqueFd m_socket;
    LinkTimeouts m_timeouts;
};

} // namespace norvane
