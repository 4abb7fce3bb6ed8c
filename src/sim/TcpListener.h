#pragma once

#include "Endpoint.h"
#include "VirtualPrinter.h"
#include "link/PosixIo.h"

#include <functional>
#include <memory>

namespace norvane::sim {

/// A listening TCP socket on 127.0.0.1; each client it accepts becomes a TcpConnection.
class TcpListener : public Endpoint
{
public:
    using Adopt = std::function<void(std::unique_ptr<Endpoint>)>;

    /// Listens on `port` (0: any free port); nullptr when it cannot. `adopt` takes each accepted connection.
    static std::unique_ptr<TcpListener> listen(int port, VirtualPrinter& printer, Adopt adopt);

    int port() const { return m_port; }
    int fd() const override { return m_socket.get(); }
    short events(Clock::time_point now, Clock::time_point& wakeAt) const override;
    void handle(short revents) override;
    bool finished() const override { return false; }

private:
    TcpListener(UniqueFd socket, int port, VirtualPrinter& printer, Adopt adopt);

    UniqueFd m_socket;
    int m_port;
    VirtualPrinter& m_printer;
    Adopt m_adopt;
};

} // namespace norvane::sim
