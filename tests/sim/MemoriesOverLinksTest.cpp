#include "SimClient.h"
#include "SimPrinter.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

namespace {

QByteArray patternOf(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 4096) & 0xff);
    return bytes;
}

/// Sends in pieces, so that each piece has the client's whole write bound.
bool sendInPieces(SimClient& client, const QByteArray& bytes)
{
    constexpr qsizetype kPiece = 1024 * 1024;
    for (qsizetype at = 0; at < bytes.size(); at += kPiece) {
        if (!client.send(QByteArrayView(bytes).sliced(at, std::min(kPiece, bytes.size() - at))))
            return false;
    }
    return true;
}

} // namespace

TEST(MemoriesOverLinksTest, aSixteenMebibyteDownloadArrivesWholeAndIsListed)
{
    SimPrinter sim;
    SimClient client = SimClient::tcp(sim.tcpPort);
    ASSERT_TRUE(client.isOpen());
    const QByteArray file = patternOf(16 * 1024 * 1024);
    ASSERT_TRUE(sendInPieces(client, "DOWNLOAD F,\"BIG.BIN\"," + QByteArray::number(file.size()) + ',' + file));
    ASSERT_TRUE(client.send("DIAGNOSTIC REPORT FFILELIST\r\nDIAGNOSTIC REPORT FFREESPACE\r\n"));

    const int physical = sim::MemoryState().flash.physicalKb;
    const QByteArray expected =
        sim::Frame("BIG.BIN") + sim::Frame("") + sim::Frame(QByteArray::number(physical - 16384));
    EXPECT_EQ(client.readAtLeast(expected.size(), 30s), expected);
    const sim::Memory flash = sim.printer.snapshot().memories.flash;
    ASSERT_EQ(flash.files.size(), 1);
    EXPECT_TRUE(flash.files[0].bytes == file);
}

TEST(MemoriesOverLinksTest, aFirmwareImageAloneOnAConnectionIsLoggedWithItsSizeWhenTheConnectionCloses)
{
    SimPrinter sim;
    const QByteArray image = patternOf(200000);
    {
        SimClient client = SimClient::tcp(sim.tcpPort);
        ASSERT_TRUE(client.send(image));
    }
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) {
        return state.commands == QList<QByteArray>{"(binary data, 200000 bytes)"};
    }));
    SimClient next = SimClient::tcp(sim.tcpPort);
    ASSERT_TRUE(next.send("DIAGNOSTIC INTERFACE NET\r\n"));
    EXPECT_EQ(next.readAtLeast(7), "{3|NET}");
}
