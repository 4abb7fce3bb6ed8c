#include "CliFixture.h"

using namespace norvane;

class CliModuleTest : public CliFixture
{
protected:
    void useModule(sim::ExternalModuleState::Kind kind)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.externalModule.kind = kind; });
    }
};

TEST_F(CliModuleTest, enterPrintsTheBluetoothModuleAndSetBtRenamesIt)
{
    ASSERT_EQ(run({"ext-module", "enter"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "bluetooth\tNV-BT-01\n");
    EXPECT_TRUE(sim.printer.snapshot().externalModule.moduleMode);

    ASSERT_EQ(run({"ext-module", "set-bt", "Dock 3", "2468"}), 0) << qPrintable(err);
    const sim::PrinterState state = sim.printer.snapshot();
    EXPECT_EQ(state.externalModule.bluetoothName, "Dock 3");
    EXPECT_EQ(state.externalModule.pinCode, "2468");

    EXPECT_EQ(run({"ext-module", "exit"}), 0);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& s) { return !s.externalModule.moduleMode; }));
    EXPECT_EQ(sim.printer.snapshot().control.resets, 1);
}

TEST_F(CliModuleTest, aModuleWithoutBluetoothIsReportedAndCannotBeRenamed)
{
    useModule(sim::ExternalModuleState::Kind::Wireless);
    ASSERT_EQ(run({"ext-module", "enter"}), 0);
    EXPECT_EQ(out, "other\n");
    EXPECT_EQ(run({"ext-module", "set-bt", "Dock", "1"}), 2);
    EXPECT_EQ(err, "Data Transmission Error\n");

    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(run({"ext-module", "enter"}), 6);
    EXPECT_EQ(err, "Not Support\n");
}

TEST_F(CliModuleTest, textsAndWordsTheModuleCannotTakeAreUsageErrorsWithNothingSent)
{
    sim.printer.clearLogs();
    EXPECT_EQ(run({"ext-module", "set-bt", "Dock\r+AT+RST", "1"}), 64);
    EXPECT_EQ(run({"ext-module", "set-bt", QString(32, u'n'), "1"}), 64);
    EXPECT_EQ(run({"ext-module", "set-bt", "Dock"}), 64);
    EXPECT_EQ(run({"ext-module", "set-bt", QStringLiteral("Zo\u00eb \u4e2d"), "1"}), 64);
    EXPECT_EQ(run({"ext-module", "leave"}), 64);
    EXPECT_EQ(run({"ext-module", "enter", "now"}), 64);
    EXPECT_EQ(run({"ap-scan", "x"}), 64);
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliModuleTest, accessPointsAreListedOnceEachOrTheMissingModuleReported)
{
    ASSERT_EQ(run({"ap-scan"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "Office\tWPA\nLab\tWEP\nGuest\tNONE\n");
    EXPECT_TRUE(err.isEmpty());

    sim.printer.withState([](sim::PrinterState& state) { state.externalModule.accessPoints = {{"Tab\there\x1b", 1}}; });
    ASSERT_EQ(run({"ap-scan"}), 0);
    EXPECT_EQ(out, "Tab\\x09here\\x1b\tWEP\n");

    useModule(sim::ExternalModuleState::Kind::None);
    EXPECT_EQ(run({"ap-scan"}), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err, "Can't find external module!\n");
}
