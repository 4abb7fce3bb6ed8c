#pragma once

#include "SimServer.h"
#include "VirtualPrinter.h"
#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "link/SystemTransportOpener.h"
#include "net/DiscoveryClient.h"
#include "protocol/CommandDispatcher.h"

#include <QTemporaryDir>
#include <QThread>
#include <chrono>

namespace norvane::test {

/// A virtual printer served on 127.0.0.1, a pseudo-terminal and a fake USB tree, with a link layer and
/// dispatcher pointed at it and read time-outs short enough for fault tests.
struct SimPrinter
{
    SimPrinter();

    /// Waits until the printer's state satisfies `condition` (it handles bytes on its own thread); false
    /// when it does not within two seconds.
    template <typename Condition> bool waitFor(Condition condition)
    {
        for (int i = 0; i < 200; ++i) {
            if (printer.withState([&](const sim::PrinterState& state) { return condition(state); }))
                return true;
            QThread::msleep(10);
        }
        return false;
    }

    /// Makes the printer misbehave as `fault` says from its next reply on.
    void misbehave(sim::SimFault fault, std::chrono::milliseconds delay = {})
    {
        printer.withState([&](sim::PrinterState& state) {
            state.fault = fault;
            state.replyDelay = delay;
        });
    }

    sim::VirtualPrinter printer;
    sim::SimServer server{printer};
    int tcpPort = 0;
    /// The discovery port, answering on every local address.
    int udpPort = 0;
    QString ptyPath;
    QTemporaryDir usbDir;
    LinkSettings settings;
    Progress progress;
    std::unique_ptr<LinkLayer> links;
    std::unique_ptr<CommandDispatcher> dispatcher;

    static constexpr std::chrono::milliseconds kShortTimeout{300};

    /// Both discovery destinations on this printer's port on 127.0.0.1.
    DiscoveryTargets loopbackTargets() const;
};

} // namespace norvane::test
