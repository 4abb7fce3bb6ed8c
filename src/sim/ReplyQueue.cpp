#include "ReplyQueue.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace norvane::sim {

void ReplyQueue::add(const QList<Output>& outputs)
{
    const auto now = Clock::now();
    auto due = m_pending.empty() ? now : m_pending.back().due;
    for (const Output& output : outputs) {
        if (!m_pending.empty() && m_pending.back().repeatEvery)
            return;
        due = std::max(due, now + output.delay);
        m_pending.push_back({due, output.bytes, output.closeAfter, output.repeatEvery, output.bytes});
    }
}

short ReplyQueue::events(Clock::time_point now, Clock::time_point& wakeAt) const
{
    if (m_pending.empty())
        return 0;
    if (m_pending.front().due <= now)
        return POLLOUT;
    wakeAt = std::min(wakeAt, m_pending.front().due);
    return 0;
}

ReplyQueue::WriteResult ReplyQueue::writeTo(int fd)
{
    if (m_pending.empty())
        return WriteResult::Written;
    Pending& front = m_pending.front();
    if (!front.bytes.isEmpty()) {
        const ssize_t n = ::write(fd, front.bytes.constData(), static_cast<std::size_t>(front.bytes.size()));
        if (n < 0)
            return errno == EAGAIN || errno == EINTR ? WriteResult::Written : WriteResult::Failed;
        front.bytes.remove(0, n);
        if (!front.bytes.isEmpty())
            return WriteResult::Written;
    }
    if (front.repeatEvery) {
        front.bytes = front.repeated;
        front.due = Clock::now() + *front.repeatEvery;
        return WriteResult::Written;
    }
    const bool closeAfter = front.closeAfter;
    m_pending.pop_front();
    return closeAfter ? WriteResult::CloseRequested : WriteResult::Written;
}

bool ReplyQueue::dropRepeating()
{
    if (m_pending.empty() || !m_pending.back().repeatEvery)
        return false;
    m_pending.pop_back();
    return true;
}

} // namespace norvane::sim
