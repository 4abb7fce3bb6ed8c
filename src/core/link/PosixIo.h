#pragma once

#include "link/Transport.h"

#include <QByteArrayView>
#include <chrono>
#include <cstdint>
#include <optional>

namespace norvane {

class WaitPacing;

/// Owns a file descriptor and closes it once.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    int release();
    void reset(int fd = -1);

private:
    int m_fd = -1;
};

/// Waits for `events` (POLLIN / POLLOUT); no timeout waits as long as it takes. True when ready.
bool waitForFd(int fd, short events, std::optional<std::chrono::milliseconds> timeout);

/// Waits at most `timeout` for input, then reads what is there (up to `capacity`); a count of 0 on time-out,
/// and marked ended at the end of input or on an error.
FetchResult readWithTimeout(int fd, std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout);

/// What a paced wait came to.
enum class PacedWait
{
    Ready,
    TimedOut,
    Stopped,
};

/// `waitForFd` in the pacing's slices, so the window paints meanwhile and the user can stop the wait.
PacedWait waitForFdPaced(int fd, short events, std::optional<std::chrono::milliseconds> timeout, WaitPacing& pacing);

/// Writes every byte, going on after partial writes; gives up when `timeout` passes (none: never) or the user
/// stops the wait.
bool writeFully(int fd, QByteArrayView data, std::optional<std::chrono::milliseconds> timeout, WaitPacing& pacing);

} // namespace norvane
