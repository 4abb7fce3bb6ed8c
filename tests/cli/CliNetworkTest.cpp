#include "CliFixture.h"

using namespace norvane;

class CliNetworkTest : public CliFixture
{
protected:
    QString discoveryTarget() const { return QStringLiteral("127.0.0.1:%1").arg(sim.udpPort); }

    /// The discovery commands, pointed at the virtual printer's UDP port.
    int discover(const QStringList& arguments)
    {
        return run(QStringList{"--discovery-target", discoveryTarget(), "discover"} + arguments, false);
    }

    bool received(const QByteArray& tail)
    {
        return sim.waitFor([&](const sim::PrinterState& state) { return state.received.endsWith(tail); });
    }
};

TEST_F(CliNetworkTest, netReadPrintsTheSettingsAsJsonAndFollowsSetIpAndSetName)
{
    ASSERT_EQ(run({"net", "read"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "{\"dhcp\": true, \"ipAddress\": \"0.0.0.0\", \"subnetMask\": \"0.0.0.0\", \"gateway\": "
                   "\"0.0.0.0\", \"lastUsedIp\": \"192.168.1.57\", \"printerName\": \"NV-PRINTER\", "
                   "\"macAddress\": \"00:1B:82:4E:56:01\"}\n");

    ASSERT_EQ(run({"net", "set-ip", "--ip", "10.0.0.9", "--mask", "255.0.0.0", "--gateway", "10.0.0.1"}), 0)
        << qPrintable(err);
    ASSERT_TRUE(received("NET IP \"10.0.0.9\",\"255.0.0.0\",\"10.0.0.1\"\r\n"));
    ASSERT_EQ(run({"net", "set-name", "Dock-A01"}), 0) << qPrintable(err);
    ASSERT_TRUE(received("NET NAME \"Dock-A01\"\r\n"));
    ASSERT_EQ(run({"net", "read"}), 0);
    EXPECT_TRUE(out.startsWith("{\"dhcp\": false, \"ipAddress\": \"10.0.0.9\", \"subnetMask\": \"255.0.0.0\""));
    EXPECT_TRUE(out.contains("\"printerName\": \"Dock-A01\""));

    ASSERT_EQ(run({"net", "set-ip", "--dhcp"}), 0);
    ASSERT_TRUE(received(passwordRead() + "NET DHCP\r\n"));
}

TEST_F(CliNetworkTest, wrongNetArgumentsSendNothing)
{
    sim.printer.clearLogs();
    EXPECT_EQ(run({"net", "set-ip"}), 64);
    EXPECT_EQ(run({"net", "set-ip", "--dhcp", "--ip", "1.2.3.4"}), 64);
    EXPECT_EQ(run({"net", "set-ip", "--ip", "1.2.3.4", "--mask", "255.0.0.0"}), 64);
    EXPECT_EQ(run({"net", "set-ip", "--ip", "1.2.3.4", "--mask", "255.0.0.0", "--gateway", "1.2.3.4x"}), 64);
    EXPECT_EQ(run({"net", "set-name", "Sixteen-chars-xx"}), 64);
    EXPECT_EQ(run({"net", "set-name", "a\"b"}), 64);
    EXPECT_EQ(run({"net", "read", "--dhcp"}), 64);
    EXPECT_TRUE(sim.printer.received().isEmpty());

    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "Secret"; });
    EXPECT_EQ(run({"net", "set-name", "Fifteen-chars-x"}), 77);
    EXPECT_FALSE(sim.printer.received().contains("NET NAME"));
    givePrinterPassword("Secret");
    EXPECT_EQ(run({"net", "set-name", "Fifteen-chars-x"}), 0) << qPrintable(err);
    EXPECT_TRUE(received("NET NAME \"Fifteen-chars-x\"\r\n"));
}

TEST_F(CliNetworkTest, discoverListsEachAnswerAsTabSeparatedLinesOrJson)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.network.name = "Dock\x1b[2J";
        state.network.discoveryStatus = 3;
        state.network.errorFlags = 0x41;
    });
    ASSERT_EQ(discover({}), 0) << qPrintable(err);
    const QString line = "Dock\\x1b[2J\t00:1B:82:4E:56:01\t192.168.1.57\tNV-4100\tCarriage Open\n";
    EXPECT_EQ(out, line + line) << "answers to the broadcast and the multicast request";

    ASSERT_EQ(discover({"--json"}), 0);
    const QString object = "{\"name\": \"Dock\\u001b[2J\", \"macAddress\": \"00:1B:82:4E:56:01\", \"ipAddress\": "
                           "\"192.168.1.57\", \"model\": \"NV-4100\", \"status\": \"Carriage Open\"}";
    EXPECT_EQ(out, "[" + object + ", " + object + "]\n");
}

TEST_F(CliNetworkTest, discoverSetChangesWhatNetReadReportsOverTcp)
{
    ASSERT_EQ(
        discover({"set", "00:1b:82:4e:56:01", "--ip", "10.1.2.3", "--mask", "255.255.255.0", "--gateway", "10.1.2.1"}),
        0)
        << qPrintable(err);
    ASSERT_EQ(run({"net", "read"}), 0);
    EXPECT_EQ(out, "{\"dhcp\": false, \"ipAddress\": \"10.1.2.3\", \"subnetMask\": \"255.255.255.0\", \"gateway\": "
                   "\"10.1.2.1\", \"lastUsedIp\": \"10.1.2.3\", \"printerName\": \"NV-PRINTER\", "
                   "\"macAddress\": \"00:1B:82:4E:56:01\"}\n")
        << "the name not given stays as it was";

    ASSERT_EQ(discover({"set", "00:1B:82:4E:56:01", "--name", "Renamed"}), 0) << qPrintable(err);
    ASSERT_EQ(discover({"get", "00:1B:82:4E:56:01"}), 0);
    EXPECT_EQ(out, "{\"dhcp\": false, \"ipAddress\": \"10.1.2.3\", \"subnetMask\": \"255.255.255.0\", \"gateway\": "
                   "\"10.1.2.1\", \"printerName\": \"Renamed\", \"macAddress\": \"00:1B:82:4E:56:01\"}\n");

    ASSERT_EQ(discover({"factory-default", "00:1B:82:4E:56:01"}), 0);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.network.dhcp; }));
}

TEST_F(CliNetworkTest, badMacsAndUnansweredRequestsAreRefused)
{
    for (const char* mac : {"0:1B:82:4E:56:01", "00:1B:82:4E:56:01:", "printer"}) {
        EXPECT_EQ(discover({"get", mac}), 64) << mac;
        EXPECT_EQ(discover({"factory-default", mac}), 64) << mac;
    }
    EXPECT_EQ(discover({"set", "00:1B:82:4E:56:01", "--name", "Sixteen-chars-xx"}), 64);
    EXPECT_EQ(discover({"set", "00:1B:82:4E:56:01"}), 64);
    EXPECT_EQ(run({"--discovery-target", "224.0.0.251", "discover"}, false), 64);
    EXPECT_EQ(run({"--discovery-target", "printer.local:22368", "discover"}, false), 64);

    const auto datagrams = [&] {
        return sim.printer.withState([](const sim::PrinterState& state) { return state.network.datagrams.size(); });
    };
    const qsizetype before = datagrams();
    EXPECT_EQ(discover({"set", "00:00:00:00:00:01", "--dhcp", "--name", "Other"}), 3);
    EXPECT_TRUE(err.contains("no printer with MAC address 00:00:00:00:00:01 answered"));
    EXPECT_TRUE(sim.printer.withState([&](const sim::PrinterState& state) {
        for (qsizetype i = before; i < state.network.datagrams.size(); ++i) {
            if (state.network.datagrams[i][9] == 4)
                return false;
        }
        return true;
    })) << "no Set Group went out";
}
