#pragma once

#include "Endpoint.h"
#include "ReplyQueue.h"
#include "VirtualPrinter.h"
#include "link/PosixIo.h"

#include <memory>

namespace norvane::sim {

/// One client's TCP connection: its own command stream, its answers written as the socket takes them.
class TcpConnection : public Endpoint
{
public:
    TcpConnection(UniqueFd socket, VirtualPrinter& printer);

    int fd() const override { return m_socket.get(); }
    short events(Clock::time_point now, Clock::time_point& wakeAt) const override;
    void handle(short revents) override;
    bool finished() const override { return !m_socket.isValid(); }

private:
    void read();
    void write();
    void close();

    UniqueFd m_socket;
    std::unique_ptr<PrinterSession> m_session;
    ReplyQueue m_replies;
};

} // namespace norvane::sim
