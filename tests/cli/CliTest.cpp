#include "CliFixture.h"

using namespace norvane;

using CliTest = CliFixture;

TEST_F(CliTest, statusPrintsTheTextThenTheTenFlags)
{
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x21; });
    EXPECT_EQ(run({"status"}), 0);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], "Cover Open");
    EXPECT_EQ(lines[1], "cover-open 1");
    EXPECT_EQ(lines[6], "printing 1");
    EXPECT_EQ(lines[10], "out-of-ribbon 0");
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(CliTest, printerFunctionsSendTheirCommands)
{
    for (const char* command :
         {"link-test", "factory-default", "self-test", "reset", "ignore-startup", "exit-line-mode"})
        EXPECT_EQ(run({command}), 0) << command;
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) {
        return state.functions.factoryDefaults == 1 && state.functions.configurationPages == 1 &&
               state.control.resets == 1 && state.control.startupProgramsIgnored == 1 &&
               state.control.lineModeExits == 1;
    }));
}

TEST_F(CliTest, aFailedOperationExitsWithItsCodeAndItsMessage)
{
    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    EXPECT_EQ(run({"status"}), 3);
    EXPECT_EQ(err, "Data Receiving Error\n");
    EXPECT_TRUE(out.isEmpty());

    EXPECT_EQ(run({"--net", refusingTarget(), "reset"}, false), 1);
    EXPECT_EQ(err, "Port Open Error\n");
    EXPECT_EQ(run({"--lpt", sim.ptyPath, "status"}, false), 3);
}

TEST_F(CliTest, serialAndUsbLinksReachThePrinter)
{
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x04; });
    EXPECT_EQ(run({"--com", sim.ptyPath, "--baud", "115200", "--data", "7", "--parity", "even", "--stop", "1.5", "--hw",
                   "rtscts", "--sw", "xonxoff", "status"},
                  false),
              0);
    EXPECT_TRUE(out.startsWith("Out of Paper\n"));
    EXPECT_EQ(run({"--usb-root", sim.usbDir.path(), "status"}, false), 0);
    EXPECT_TRUE(out.startsWith("Out of Paper\n"));
}

TEST_F(CliTest, thePasswordIsPrintedAloneAndChangedWithinItsLimits)
{
    EXPECT_EQ(run({"password", "get"}), 0);
    EXPECT_EQ(out, "\n");
    EXPECT_EQ(run({"password", "set", "Norvane1"}), 0);
    EXPECT_EQ(run({"password", "get"}), 0);
    EXPECT_EQ(out, "Norvane1\n");

    EXPECT_EQ(run({"password", "set", "bad\"quote"}), 64);
    EXPECT_EQ(run({"password", "set", QString(65, 'x')}), 64);
    EXPECT_TRUE(err.contains("at most 64 characters"));
    EXPECT_EQ(run({"password"}), 64);
    EXPECT_EQ(run({"password", "get"}), 0);
    EXPECT_EQ(out, "Norvane1\n");
}

TEST_F(CliTest, theEmulationIsShownAndChosenByName)
{
    EXPECT_EQ(run({"emulation", "get"}), 0);
    EXPECT_EQ(out, "ZPL2\n");
    EXPECT_EQ(run({"emulation", "set", "cpcl"}), 0);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.reports["ACT_EMULATION"] == "1"; }));
    EXPECT_EQ(run({"emulation", "get"}), 0);
    EXPECT_EQ(out, "CPCL\n");
    EXPECT_EQ(run({"--lpt", sim.ptyPath, "emulation", "get"}, false), 3);
}

TEST_F(CliTest, bluetoothDevicesAreListedAndConnected)
{
    sim.links->timeouts().bluetoothScan = std::chrono::milliseconds(2000);
    EXPECT_EQ(run({"bt-scan"}), 0);
    EXPECT_EQ(out, "00:1B:82:11:22:33\tScanner-01\n00:1B:82:44:55:66\tHandheld-7\n");

    sim.printer.withState([](sim::PrinterState& state) { state.bluetooth.module = false; });
    EXPECT_EQ(run({"bt-scan"}), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err, "Can't find Bluetooth module!\n");

    EXPECT_EQ(run({"bt-connect", "00:1B:82:44:55:66"}), 0);
    EXPECT_TRUE(
        sim.waitFor([](const sim::PrinterState& state) { return state.bluetooth.master == "00:1B:82:44:55:66"; }));
    EXPECT_EQ(run({"bt-connect", "a\"b"}), 64);
}

TEST_F(CliTest, wirelessFactoryDefaultRestoresTheModulesSettings)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["WIFISSID"] = "Office"; });
    EXPECT_EQ(run({"wlan-default"}), 0);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.wireless.factoryDefaults == 1; }));
    EXPECT_EQ(sim.printer.snapshot().reports["WIFISSID"], "");
}

TEST_F(CliTest, anUnreadableCertificateIsRefusedBeforeAnythingIsSent)
{
    const QString config = writeFile("wireless.json", R"({"wifiPresent": 1})");
    const QString missing = file("missing.pem");
    EXPECT_EQ(run({"write-config", "--page", "4", config, "--ca-cert", missing}), 65);
    EXPECT_TRUE(err.contains(missing)) << qPrintable(err);
    EXPECT_EQ(run({"write-config", "--page", "4", config, "--private-key", dir.path()}), 65);
    EXPECT_TRUE(err.contains(dir.path()));
    EXPECT_TRUE(sim.printer.received().isEmpty());

    const QString certificate = writeFile("ca.pem", "CERTIFICATE");
    ASSERT_EQ(run({"write-config", "--page", "4", config, "--ca-cert", certificate}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor(
        [](const sim::PrinterState& state) { return state.wireless.certificates["ca.pem"] == "CERTIFICATE"; }));
}

TEST_F(CliTest, aWirelessKeyTheWindowWouldRefuseIsRefusedBeforeAnythingIsSent)
{
    const QString config = writeFile("wireless.json", R"({"wifiPresent": 1, "wifiSecurity": {"valid": true, "value": 1},
                                                         "wifiKey": {"valid": true, "value": "123"}})");
    EXPECT_EQ(run({"write-config", "--page", "4", config}), 65);
    EXPECT_TRUE(err.contains("The length is invalid!!")) << qPrintable(err);
    // The key goes only with the wireless page.
    EXPECT_EQ(run({"write-config", "--page", "0", config}), 0) << qPrintable(err);
    EXPECT_FALSE(sim.printer.received().contains("WLAN"));
}
