#pragma once

#include "Endpoint.h"
#include "ReplyQueue.h"
#include "VirtualPrinter.h"
#include "link/PosixIo.h"

#include <QString>
#include <memory>
#include <optional>

namespace norvane::sim {

/// A pseudo-terminal in raw mode, served as a serial or parallel line: clients open its path one after
/// another, and like a real line it never closes. An endless answer therefore lasts until the host sends
/// something again.
class PtyEndpoint : public Endpoint
{
public:
    /// A new pseudo-terminal; nullptr when the system gives none.
    static std::unique_ptr<PtyEndpoint> open(VirtualPrinter& printer);

    /// The path a client opens.
    const QString& path() const { return m_path; }
    int fd() const override { return m_master.get(); }
    short events(Clock::time_point now, Clock::time_point& wakeAt) const override;
    void handle(short revents) override;
    bool finished() const override { return false; }

protected:
    struct Terminal
    {
        UniqueFd master;
        UniqueFd slave;
        QString path;
    };
    static std::optional<Terminal> openTerminal();
    PtyEndpoint(Terminal terminal, VirtualPrinter& printer);

private:
    void read();
    void write();

    UniqueFd m_master;
    UniqueFd m_slave; ///< held open so the master never sees a hang-up between clients
    QString m_path;
    std::unique_ptr<PrinterSession> m_session;
    ReplyQueue m_replies;
};

} // namespace norvane::sim
