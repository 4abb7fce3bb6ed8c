#pragma once

#include "VirtualPrinter.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

namespace norvane::sim {

/// Serves a virtual printer over TCP on 127.0.0.1 and over pseudo-terminals, on a thread of its own.
/// Set up the endpoints, then start(); the destructor stops the thread.
class SimServer
{
public:
    explicit SimServer(VirtualPrinter& printer);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    /// Listens on 127.0.0.1; port 0 takes any free port. The bound port, or 0 when it cannot listen.
    int listenTcp(int port = 0);
    /// A new pseudo-terminal in raw mode; the path a client opens, empty on failure.
    QString openPty();

    void start();
    void stop();

private:
    struct Pending
    {
        std::chrono::steady_clock::time_point due;
        QByteArray bytes;
        bool closeAfter = false;
    };
    struct Endpoint
    {
        int fd = -1;
        bool listener = false;
        bool pty = false;
        int ptySlave = -1; ///< held open so the master never sees a hang-up between clients
        std::unique_ptr<PrinterSession> session;
        std::deque<Pending> pending;
        bool closed = false;
    };

    void run();
    void acceptClient(Endpoint& listener);
    void readFrom(Endpoint& endpoint);
    void writeTo(Endpoint& endpoint);
    void close(Endpoint& endpoint);

    VirtualPrinter& m_printer;
    std::vector<std::unique_ptr<Endpoint>> m_endpoints;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

} // namespace norvane::sim
