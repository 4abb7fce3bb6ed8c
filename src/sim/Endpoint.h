#pragma once

#include <chrono>

namespace norvane::sim {

/// One file descriptor the server polls for the virtual printer: a listening socket, a connection, a
/// serial line. A datagram socket fits the same way: readable, it takes one datagram and queues the
/// answer to that datagram's sender; writable, it sends what is queued.
class Endpoint
{
public:
    using Clock = std::chrono::steady_clock;

    virtual ~Endpoint() = default;
    virtual int fd() const = 0;
    /// The poll events it waits for at `now`; lowers `wakeAt` when it has something to send later.
    virtual short events(Clock::time_point now, Clock::time_point& wakeAt) const = 0;
    /// Handles what poll reported for its descriptor.
    virtual void handle(short revents) = 0;
    /// True once its peer has gone for good; the server then drops it.
    virtual bool finished() const = 0;
};

} // namespace norvane::sim
