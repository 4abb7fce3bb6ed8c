#include "SimClient.h"
#include "SimServer.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

namespace {

constexpr qsizetype kPastTheReadersBound = 4 * 65536;

} // namespace

class GarbageFaultsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        port = server->listenTcp();
        ptyPath = server->openPty();
        ASSERT_NE(port, 0);
        ASSERT_FALSE(ptyPath.isEmpty());
        server->start();
    }

    void misbehave(sim::SimFault fault, std::chrono::milliseconds delay = 0ms)
    {
        printer.withState([&](sim::PrinterState& state) {
            state.fault = fault;
            state.replyDelay = delay;
        });
    }

    sim::VirtualPrinter printer;
    std::unique_ptr<sim::SimServer> server = std::make_unique<sim::SimServer>(printer);
    int port = 0;
    QString ptyPath;
};

TEST_F(GarbageFaultsTest, endlessGarbageNeverOpensAFrameAndLeavesTheServerFree)
{
    misbehave(sim::SimFault::EndlessGarbage);
    SimClient client = SimClient::tcp(port);
    ASSERT_TRUE(client.send("DIAGNOSTIC INTERFACE NET\r\n"));
    const QByteArray garbage = client.readAtLeast(kPastTheReadersBound);
    ASSERT_GE(garbage.size(), kPastTheReadersBound);
    EXPECT_FALSE(garbage.contains('{'));

    // Another command on the same connection does not end the stream, nor slip its answer in.
    misbehave(sim::SimFault::None);
    ASSERT_TRUE(client.send("DIAGNOSTIC INTERFACE NET\r\n"));
    EXPECT_FALSE(client.readAtLeast(kPastTheReadersBound).contains('{'));

    // Other connections are served meanwhile, and stopping the server ends the stream.
    SimClient other = SimClient::tcp(port);
    ASSERT_TRUE(other.send("DIAGNOSTIC INTERFACE NET\r\n"));
    EXPECT_EQ(other.readAtLeast(7), "{3|NET}");
    server.reset();
    EXPECT_TRUE(client.waitForClose());
}

TEST_F(GarbageFaultsTest, aClientThatStopsReadingEndlessGarbageLeavesTheServerFree)
{
    misbehave(sim::SimFault::EndlessGarbage);
    SimClient stalled = SimClient::tcp(port);
    ASSERT_TRUE(stalled.send("DIAGNOSTIC INTERFACE NET\r\n"));
    ASSERT_FALSE(stalled.readAtLeast(1).isEmpty());
    // The stalled client's socket fills up; the server stays free for others and for stopping.
    misbehave(sim::SimFault::None);
    for (int i = 0; i < 3; ++i) {
        SimClient other = SimClient::tcp(port);
        ASSERT_TRUE(other.send("DIAGNOSTIC INTERFACE NET\r\n"));
        EXPECT_EQ(other.readAtLeast(7), "{3|NET}");
    }
    server.reset();
    EXPECT_TRUE(stalled.waitForClose());
}

TEST_F(GarbageFaultsTest, trickleGarbageSendsOneByteAtATimeForEver)
{
    misbehave(sim::SimFault::TrickleGarbage, 10ms);
    SimClient client = SimClient::tcp(port);
    ASSERT_TRUE(client.send(QByteArray("\x1b!?", 3)));
    const QByteArray trickle = client.readAtLeast(5);
    ASSERT_GE(trickle.size(), 5);
    EXPECT_FALSE(trickle.contains('{'));
    EXPECT_EQ(trickle.count('x'), trickle.size());
    server.reset();
    EXPECT_TRUE(client.waitForClose());
}

TEST_F(GarbageFaultsTest, onASerialLineTheGarbageEndsWhenTheHostSpeaksAgain)
{
    misbehave(sim::SimFault::EndlessGarbage);
    SimClient line = SimClient::terminal(ptyPath);
    ASSERT_TRUE(line.isOpen());
    ASSERT_TRUE(line.send("DIAGNOSTIC INTERFACE COM\r\n"));
    EXPECT_FALSE(line.readAtLeast(kPastTheReadersBound).contains('{'));

    misbehave(sim::SimFault::None);
    ASSERT_TRUE(line.send("DIAGNOSTIC INTERFACE COM\r\n"));
    const QByteArray rest = line.readUntil([](const QByteArray& read) { return read.endsWith("{3|COM}"); });
    EXPECT_TRUE(rest.endsWith("{3|COM}"));
    EXPECT_EQ(rest.count('{'), 1);
    // Nothing more comes after the answer.
    ASSERT_TRUE(line.send("DIAGNOSTIC INTERFACE COM\r\n"));
    EXPECT_EQ(line.readAtLeast(7), "{3|COM}");
}
