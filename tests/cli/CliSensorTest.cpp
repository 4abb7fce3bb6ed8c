#include "CliFixture.h"

using namespace norvane;

class CliSensorTest : public CliFixture
{
protected:
    /// Waits until the printer has taken the calibration ending in `tail`.
    bool calibrationArrived(const QByteArray& tail)
    {
        return sim.waitFor([&](const sim::PrinterState& state) { return state.received.endsWith(tail); });
    }
};

TEST_F(CliSensorTest, aManualSetupIsReadBackAsJson)
{
    ASSERT_EQ(run({"sensor", "read"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "{\"mediaType\": 0, \"intensity\": 5, \"threshold\": 0}\n");

    ASSERT_EQ(run({"sensor", "calibrate", "manual", "--media", "bline", "--intensity", "9", "--threshold", "450"}), 0)
        << qPrintable(err);
    ASSERT_TRUE(calibrationArrived("SET GAP 9,450\r\n\x10JL"));
    ASSERT_EQ(run({"sensor", "read"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "{\"mediaType\": 1, \"intensity\": 9, \"threshold\": 450}\n");
}

TEST_F(CliSensorTest, rawValuesComeOneALineFromTheChosenSensor)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.sensor.gapLiner = {10, 20};
        state.sensor.markBlack = {900, 800, 700};
    });
    ASSERT_EQ(run({"sensor", "values", "gap"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "10\n20\n");
    ASSERT_EQ(run({"sensor", "values", "bline"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "900\n800\n700\n");
    sim.printer.withState([](sim::PrinterState& state) { state.sensor.gapLiner = QList<std::int32_t>(129, 1); });
    EXPECT_EQ(run({"sensor", "values", "gap"}), 3);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(CliSensorTest, autoLengthsAreConvertedWithThePrintersResolutionOrSentAsDots)
{
    const QByteArray expected = "SET SENSOR_REF MANUAL\r\nGAPDETECT 406,24\r\n";
    const QList<QStringList> ways{{"--height", "2", "--gap", "0.12"},
                                  {"--height", "50.75", "--gap", "3", "--unit", "mm"},
                                  {"--height", "406", "--gap", "24", "--unit", "dots"}};
    for (const QStringList& lengths : ways) {
        sim.printer.clearLogs();
        ASSERT_EQ(run(QStringList{"sensor", "calibrate", "auto", "--media", "gap"} + lengths), 0) << qPrintable(err);
        EXPECT_TRUE(calibrationArrived(expected)) << qPrintable(lengths.join(' '));
        // Dots need no resolution, so the configuration is read only for inch and mm.
        EXPECT_EQ(sim.printer.received().contains("DIAGNOSTIC REPORT DPI"), !lengths.contains("dots"));
    }
    EXPECT_EQ(sim.printer.snapshot().reports["PAPERHEIGHT"], "406.00");

    sim.printer.clearLogs();
    ASSERT_EQ(run({"sensor", "calibrate", "auto", "--media", "continuous"}), 0) << qPrintable(err);
    EXPECT_TRUE(calibrationArrived("GAP 0.12,0\r\nGAP 0,0\r\n"));
}

TEST_F(CliSensorTest, badArgumentsSendNothingThatChangesThePrinter)
{
    const QList<QStringList> bad{
        {"sensor", "calibrate", "auto", "--media", "paper"},
        {"sensor", "calibrate", "auto", "--media", "gap", "--height", "2"},
        {"sensor", "calibrate", "auto", "--media", "gap", "--height", "0", "--gap", "1", "--unit", "dots"},
        {"sensor", "calibrate", "auto", "--media", "gap", "--height", "x", "--gap", "1"},
        {"sensor", "calibrate", "auto", "--media", "gap", "--unit", "mm"},
        {"sensor", "calibrate", "auto", "--media", "gap", "--intensity", "3"},
        {"sensor", "calibrate", "manual", "--media", "gap"},
        {"sensor", "calibrate", "manual", "--media", "gap", "--intensity", "-1"},
        {"sensor", "calibrate", "manual", "--media", "gap", "--intensity", "3", "--threshold", "1e3"},
        {"sensor", "values", "label"},
        {"sensor", "read", "--media", "gap"},
    };
    for (const QStringList& arguments : bad) {
        sim.printer.clearLogs();
        EXPECT_EQ(run(arguments), 64) << qPrintable(arguments.join(' '));
        const QByteArray received = sim.printer.received();
        EXPECT_FALSE(received.contains("DETECT") || received.contains("SET ")) << qPrintable(arguments.join(' '));
    }
}

TEST_F(CliSensorTest, calibrationPassesThePasswordGate)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "Secret"; });
    EXPECT_EQ(run({"sensor", "calibrate", "manual", "--media", "gap", "--intensity", "3"}), 77);
    EXPECT_EQ(sim.printer.received(), passwordRead());

    givePrinterPassword("Secret");
    ASSERT_EQ(run({"sensor", "calibrate", "manual", "--media", "gap", "--intensity", "3"}), 0) << qPrintable(err);
    EXPECT_TRUE(calibrationArrived(passwordRead() + "SET SENSOR_REF MANUAL\r\nGAP 0.08,0\r\nSET GAP 3\r\n\x10JL"));
}
