#pragma once

#include "SimFault.h"

#include <chrono>
#include <deque>

namespace norvane::sim {

/// The answers waiting to go out on one connection, each when it is due, written as far as the
/// connection takes them.
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

    /// Each output is due its delay after now, and never before the one queued ahead of it.
    void add(const QList<Output>& outputs);
    /// POLLOUT when the front answer is due; otherwise lowers `wakeAt` to when it will be.
    short events(Clock::time_point now, Clock::time_point& wakeAt) const;
    /// Writes the front answer, as much as `fd` takes now.
    WriteResult writeTo(int fd);
    void clear() { m_pending.clear(); }

private:
    struct Pending
    {
        Clock::time_point due;
        QByteArray bytes;
        bool closeAfter = false;
    };
    std::deque<Pending> m_pending;
};

} // namespace norvane::sim
