#pragma once

#include "Endpoint.h"
#include "VirtualPrinter.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace norvane::sim {

/// Serves a virtual printer over TCP on 127.0.0.1, pseudo-terminals and fake USB printers, on a thread of
/// its own that polls every endpoint. Set up the endpoints, then start(); the destructor stops the thread.
class SimServer
{
public:
    explicit SimServer(VirtualPrinter& printer);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    /// Listens on 127.0.0.1; port 0 takes any free port. The bound port, or 0 when it cannot listen.
    int listenTcp(int port = 0);
    /// The discovery port on every local address; port 0 takes any free port. The bound port, or 0.
    int listenUdp(int port = 0);
    /// A new pseudo-terminal in raw mode; the path a client opens, empty on failure.
    QString openPty();
    /// A new pseudo-terminal served as a USB printer in a fake device tree under `dir`; false on failure.
    bool openUsb(const QString& dir);

    void start();
    void stop();

private:
    void run();

    VirtualPrinter& m_printer;
    std::vector<std::unique_ptr<Endpoint>> m_endpoints;
    /// Connections accepted while the endpoints are being handled, joined after.
    std::vector<std::unique_ptr<Endpoint>> m_accepted;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

} // namespace norvane::sim
