#include "link/TcpTransport.h"
#include "RefusingPort.h"
#include "link/PosixIo.h"
#include "link/Progress.h"

#include <arpa/inet.h>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace norvane;
using namespace std::chrono_literals;

namespace {

/// A listening socket on 127.0.0.1 with a free port.
struct Listener
{
    Listener()
    {
        socket.reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(socket.get(), 4);
        socklen_t size = sizeof address;
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
    }

    UniqueFd accept() { return UniqueFd(::accept(socket.get(), nullptr, nullptr)); }

    UniqueFd socket;
    int port = 0;
};

/// Pacing for connects that nobody stops.
struct Pacing
{
    Progress progress;
    WaitPacing pacing{progress, LinkTimeouts{}.showWaitingAfter};
};

/// A view whose user stops the first wait that lasts long enough to be shown.
class StoppingView : public ProgressView
{
public:
    void showBar() override {}
    void setBarPosition(int) override {}
    void hideBar() override {}
    void passEvents() override {}
    void showWaiting() override
    {
        ++shown;
        requestCancel();
    }
    void hideWaiting() override {}

    int shown = 0;
};

LinkTimeouts shortTimeouts()
{
    LinkTimeouts timeouts;
    timeouts.ethernet = 100ms;
    return timeouts;
}

/// A name server that knows every name as 127.0.0.1, and answers only when the test lets it.
struct HeldNameServer
{
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        bool answered = false;
    };

    AddressLookup lookup() const
    {
        return [state = state](const char*, const char* service, const addrinfo* hints, addrinfo** found) {
            std::unique_lock lock(state->mutex);
            state->changed.wait(lock, [&] { return state->released; });
            const int status = ::getaddrinfo("127.0.0.1", service, hints, found);
            state->answered = true;
            state->changed.notify_all();
            return status;
        };
    }

    void release()
    {
        const std::lock_guard lock(state->mutex);
        state->released = true;
        state->changed.notify_all();
    }

    bool waitUntilAnswered()
    {
        std::unique_lock lock(state->mutex);
        return state->changed.wait_for(lock, 10s, [&] { return state->answered; });
    }

    std::shared_ptr<State> state = std::make_shared<State>();
};

} // namespace

TEST(TcpTransportTest, connectsByAddressOrByNameAndFailsWhenRefused)
{
    Pacing paced;
    Listener listener;
    EXPECT_TRUE(TcpTransport::TcpConnect("127.0.0.1", listener.port, shortTimeouts(), paced.pacing));
    EXPECT_TRUE(TcpTransport::TcpConnect("localhost", listener.port, shortTimeouts(), paced.pacing));

    const test::RefusingPort refusing;
    EXPECT_EQ(TcpTransport::TcpConnect("127.0.0.1", refusing.port(), shortTimeouts(), paced.pacing), nullptr);
    EXPECT_EQ(TcpTransport::TcpConnect("", listener.port, shortTimeouts(), paced.pacing), nullptr);
    EXPECT_EQ(TcpTransport::TcpConnect("127.0.0.1", 0, shortTimeouts(), paced.pacing), nullptr);
}

TEST(TcpTransportTest, aNameIsLookedUpAndOneNotResolvedWithinTheTimeoutFailsTheConnect)
{
    Pacing paced;
    Listener listener;
    HeldNameServer answering;
    answering.release();
    EXPECT_TRUE(
        TcpTransport::TcpConnect("printer.test", listener.port, shortTimeouts(), paced.pacing, answering.lookup()));

    const AddressLookup unknown = [](const char*, const char*, const addrinfo*, addrinfo**) {
        return EAI_NONAME;
    };
    EXPECT_EQ(TcpTransport::TcpConnect("printer.test", listener.port, shortTimeouts(), paced.pacing, unknown), nullptr);

    // The lookup outlives the connect that gave up on it, and ends on its own when it can.
    HeldNameServer held;
    EXPECT_EQ(TcpTransport::TcpConnect("printer.test", listener.port, shortTimeouts(), paced.pacing, held.lookup()),
              nullptr);
    held.release();
    EXPECT_TRUE(held.waitUntilAnswered());
}

TEST(TcpTransportTest, theUserCanStopWaitingForANameAndTheWaitIsShownMeanwhile)
{
    Listener listener;
    StoppingView view;
    Progress progress;
    progress.setView(&view);
    WaitPacing pacing(progress, 0ms);
    LinkTimeouts timeouts;
    timeouts.ethernet = 1h;
    HeldNameServer held;
    EXPECT_EQ(TcpTransport::TcpConnect("printer.test", listener.port, timeouts, pacing, held.lookup()), nullptr);
    EXPECT_EQ(view.shown, 1);
    held.release();
    EXPECT_TRUE(held.waitUntilAnswered());
}

TEST(TcpTransportTest, aChunkTheSocketTakesInPartsArrivesWhole)
{
    Pacing paced;
    Listener listener;
    auto transport = TcpTransport::TcpConnect("127.0.0.1", listener.port, LinkTimeouts{}, paced.pacing);
    ASSERT_TRUE(transport);
    UniqueFd peer = listener.accept();

    QByteArray sent(8 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < sent.size(); ++i)
        sent[i] = static_cast<char>(i % 251);
    QByteArray received;
    std::thread reader([&] {
        std::uint8_t buffer[65536];
        while (received.size() < sent.size()) {
            const std::size_t n = readWithTimeout(peer.get(), buffer, sizeof buffer, 5000ms).count;
            if (n == 0)
                break;
            received.append(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(n));
        }
    });
    EXPECT_TRUE(transport->writeChunk(sent, paced.pacing));
    reader.join();
    EXPECT_TRUE(received == sent);
}

TEST(TcpTransportTest, aPrinterThatStopsReadingFailsTheWriteAfterTheBoundedRetries)
{
    Pacing paced;
    Listener listener;
    auto transport = TcpTransport::TcpConnect("127.0.0.1", listener.port, shortTimeouts(), paced.pacing);
    ASSERT_TRUE(transport);
    UniqueFd peer = listener.accept(); // accepted, never read
    const QByteArray chunk(64 * 1024 * 1024, 'x');
    EXPECT_FALSE(transport->writeChunk(chunk, paced.pacing));
}

TEST(TcpTransportTest, theUserCanStopAWriteThatAPrinterDoesNotTake)
{
    Pacing paced;
    Listener listener;
    LinkTimeouts timeouts;
    timeouts.ethernet = 1h;
    auto transport = TcpTransport::TcpConnect("127.0.0.1", listener.port, timeouts, paced.pacing);
    ASSERT_TRUE(transport);
    UniqueFd peer = listener.accept(); // accepted, never read
    StoppingView view;
    Progress progress;
    progress.setView(&view);
    WaitPacing stoppable(progress, 0ms);
    EXPECT_FALSE(transport->writeChunk(QByteArray(64 * 1024 * 1024, 'x'), stoppable));
    EXPECT_TRUE(stoppable.stopped());
    EXPECT_EQ(view.shown, 1);
}

TEST(TcpTransportTest, fetchTakesWhatArrivedAndEndsOnTimeoutOrWhenThePrinterCloses)
{
    Pacing paced;
    Listener listener;
    auto transport = TcpTransport::TcpConnect("127.0.0.1", listener.port, shortTimeouts(), paced.pacing);
    ASSERT_TRUE(transport);
    UniqueFd peer = listener.accept();
    std::uint8_t buffer[4096];
    const FetchResult silent = transport->fetch(buffer, sizeof buffer, 50ms);
    EXPECT_EQ(silent.count, 0u);
    EXPECT_FALSE(silent.ended);

    ASSERT_EQ(::write(peer.get(), "{5|HELLO}", 9), 9);
    EXPECT_EQ(transport->fetch(buffer, sizeof buffer, 1000ms).count, 9u);

    peer.reset();
    const FetchResult closed = transport->fetch(buffer, sizeof buffer, 1000ms);
    EXPECT_EQ(closed.count, 0u);
    EXPECT_TRUE(closed.ended);
}
