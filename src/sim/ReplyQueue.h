#pragma once

#include "SimFault.h"

#include <chrono>
#include <deque>

namespace norvane::sim {

/// The answers waiting to go out on one connection, each when it is due, written as far as the
/// connection takes them. An answer that repeats is written again each time it is due, so an endless
/// stream holds one copy of its bytes and goes no faster than the connection takes it.
class ReplyQueue
{
public:
    using Clock = std::chrono::steady_clock;

    enum class WriteResult
    {
        Written,        ///< what the connection took is gone from the queue
        Failed,         ///< the connection refused the bytes
        CloseRequested, ///< an answer that ends with closing the connection went out
    };

    /// Each output is due its delay after now, and never before the one queued ahead of it. Nothing is
    /// queued behind an answer that repeats: it would never go out.
    void add(const QList<Output>& outputs);
    /// POLLOUT when the front answer is due; otherwise lowers `wakeAt` to when it will be.
    short events(Clock::time_point now, Clock::time_point& wakeAt) const;
    /// Writes the front answer, as much as `fd` takes now.
    WriteResult writeTo(int fd);
    void clear() { m_pending.clear(); }
    /// Ends an answer that repeats; true when there was one.
    bool dropRepeating();

private:
    struct Pending
    {
        Clock::time_point due;
        QByteArray bytes;
        bool closeAfter = false;
        std::optional<std::chrono::milliseconds> repeatEvery = std::nullopt;
        QByteArray repeated;
    };
    std::deque<Pending> m_pending;
};

} // namespace norvane::sim
