#include "link/PosixIo.h"

#include "link/WaitPacing.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace norvane {

namespace {
using Clock = std::chrono::steady_clock;
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

int UniqueFd::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void UniqueFd::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool waitForFd(int fd, short events, std::optional<std::chrono::milliseconds> timeout)
{
    const auto deadline = timeout ? std::optional(Clock::now() + *timeout) : std::nullopt;
    for (;;) {
        int waitMs = -1;
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
            waitMs = static_cast<int>(std::max<std::int64_t>(0, left.count()));
        }
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, waitMs);
        if (ready > 0)
            return true; // also on hang-up or error: the following read or write reports it
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

FetchResult readWithTimeout(int fd, std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout)
{
    if (!waitForFd(fd, POLLIN, timeout))
        return {};
    for (;;) {
        const ssize_t received = ::read(fd, into, capacity);
        if (received > 0)
            return {static_cast<std::size_t>(received), false};
        if (received < 0 && errno == EINTR)
            continue;
        // Woken without input: nothing has arrived yet, and the connection is still there.
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return {};
        return {0, true};
    }
}

PacedWait waitForFdPaced(int fd, short events, std::optional<std::chrono::milliseconds> timeout, WaitPacing& pacing)
{
    const auto start = Clock::now();
    for (;;) {
        auto slice = WaitPacing::kSlice;
        if (timeout) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(start + *timeout - Clock::now());
            if (left.count() <= 0)
                return PacedWait::TimedOut;
            slice = std::min(slice, left);
        }
        if (waitForFd(fd, events, slice))
            return PacedWait::Ready;
        if (!pacing.between(Clock::now() - start))
            return PacedWait::Stopped;
    }
}

bool writeFully(int fd, QByteArrayView data, std::optional<std::chrono::milliseconds> timeout, WaitPacing& pacing)
{
    const auto deadline = timeout ? std::optional(Clock::now() + *timeout) : std::nullopt;
    qsizetype written = 0;
    while (written < data.size()) {
        std::optional<std::chrono::milliseconds> left;
        if (deadline) {
            left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
            if (left->count() <= 0)
                return false;
        }
        if (waitForFdPaced(fd, POLLOUT, left, pacing) != PacedWait::Ready)
            return false;
        const ssize_t n = ::write(fd, data.data() + written, static_cast<std::size_t>(data.size() - written));
        if (n > 0)
            written += n;
        else if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
    }
    return true;
}

} // namespace norvane
