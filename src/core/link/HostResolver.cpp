#include "link/HostResolver.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace norvane {

namespace {

/// Shared by the waiting caller and the lookup thread, so whichever of them ends last frees it.
struct PendingLookup
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    AddressList found{nullptr, &::freeaddrinfo};
};

addrinfo streamHints(int flags)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    return hints;
}

} // namespace

AddressList ResolveHost(const QByteArray& host, int port, std::chrono::milliseconds timeout, WaitPacing& pacing,
                        const AddressLookup& lookup)
{
    const QByteArray service = QByteArray::number(port);
    // A numeric address needs no lookup and never waits.
    const addrinfo numericHints = streamHints(AI_NUMERICHOST);
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), service.constData(), &numericHints, &found) == 0)
        return AddressList(found, &::freeaddrinfo);

    auto pending = std::make_shared<PendingLookup>();
    try {
        std::thread([pending, host, service, lookup] {
            const addrinfo hints = streamHints(0);
            addrinfo* result = nullptr;
            if (lookup(host.constData(), service.constData(), &hints, &result) != 0)
                result = nullptr;
            const std::lock_guard lock(pending->mutex);
            pending->found.reset(result);
            pending->done = true;
            pending->finished.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return AddressList(nullptr, &::freeaddrinfo);
    }
    const auto start = std::chrono::steady_clock::now();
    std::unique_lock lock(pending->mutex);
    while (!pending->finished.wait_for(lock, WaitPacing::kSlice, [&] { return pending->done; })) {
        const auto waited = std::chrono::steady_clock::now() - start;
        lock.unlock();
        const bool goOn = waited < timeout && pacing.between(waited);
        lock.lock();
        if (!goOn && !pending->done)
            return AddressList(nullptr, &::freeaddrinfo);
    }
    return std::move(pending->found);
}

} // namespace norvane
