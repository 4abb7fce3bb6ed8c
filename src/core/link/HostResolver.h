#pragma once

#include "link/WaitPacing.h"

#include <QByteArray>
#include <chrono>
#include <functional>
#include <memory>
#include <netdb.h>

namespace norvane {

/// Addresses of a host, as getaddrinfo lists them.
using AddressList = std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)>;

/// A name lookup with getaddrinfo's contract; tests put a slow one in its place.
using AddressLookup =
    std::function<int(const char* host, const char* service, const addrinfo* hints, addrinfo** found)>;

/// The stream addresses of `host` (a numeric address or a name) and `port`; null when the host is unknown or
/// its name is not resolved within `timeout` or before the user stops the wait. The system lookup cannot be
/// interrupted, so a name is looked up on a thread of its own that is left to finish alone when the wait ends.
AddressList ResolveHost(const QByteArray& host, int port, std::chrono::milliseconds timeout, WaitPacing& pacing,
                        const AddressLookup& lookup = ::getaddrinfo);

} // namespace norvane
