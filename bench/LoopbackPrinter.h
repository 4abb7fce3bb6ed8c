#pragma once

#include "SimServer.h"
#include "VirtualPrinter.h"
#include "link/LinkLayer.h"
#include "link/PosixIo.h"
#include "link/Progress.h"
#include "protocol/CommandDispatcher.h"

namespace norvane::bench {

/// The virtual printer on 127.0.0.1, with a link layer and dispatcher whose ETHERNET link reaches it.
struct LoopbackPrinter
{
    LoopbackPrinter();

    sim::VirtualPrinter printer;
    sim::SimServer server{printer};
    int port = 0;
    LinkSettings settings;
    Progress progress;
    LinkLayer links{settings, progress};
    CommandDispatcher dispatcher{links};
};

/// The baseline's connection: a plain blocking socket to the printer, without Nagle's delay like the link.
UniqueFd ConnectBareSocket(int port);

} // namespace norvane::bench
