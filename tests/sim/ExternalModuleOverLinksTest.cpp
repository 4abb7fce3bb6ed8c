#include "SimPrinter.h"
#include "protocol/AccessPointScan.h"
#include "protocol/ExternalModule.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class ExternalModuleOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    void useModule(sim::ExternalModuleState::Kind kind)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.externalModule.kind = kind; });
    }

    SimPrinter sim;
};

TEST_P(ExternalModuleOverLinksTest, aBluetoothModuleIsFoundRenamedAndLeftByAReset)
{
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::CheckExternalModule>(GetParam()), ResultCode::Success);
    EXPECT_TRUE(sim.printer.snapshot().externalModule.moduleMode);
    ASSERT_TRUE(ProbeBluetoothModule(*sim.links, GetParam()));
    const ModuleBluetoothSettings read = ReadModuleBluetooth(*sim.links, GetParam());
    EXPECT_EQ(read.name, "NV-BT-01");
    EXPECT_TRUE(read.pinCode.isEmpty());

    EXPECT_EQ(WriteModuleBluetooth(*sim.links, GetParam(), {"Dock 3", "2468"}), ResultCode::Success);
    const sim::PrinterState state = sim.printer.snapshot();
    EXPECT_EQ(state.externalModule.bluetoothName, "Dock 3");
    EXPECT_EQ(state.externalModule.pinCode, "2468");
    EXPECT_EQ(state.externalModule.atCommands, (QList<QByteArray>{"AT+STA", "AT+GLN", "at+sln=Dock 3", "at+pin=2468"}));

    EXPECT_EQ(sim.dispatcher->dispatch(OperationCode::ResetPrinter, GetParam()), ResultCode::Success);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& s) { return !s.externalModule.moduleMode; }));
}

TEST_P(ExternalModuleOverLinksTest, withoutBluetoothTheProbeFailsButModuleModeIsEntered)
{
    useModule(sim::ExternalModuleState::Kind::Wireless);
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::CheckExternalModule>(GetParam()), ResultCode::Success);
    EXPECT_FALSE(ProbeBluetoothModule(*sim.links, GetParam()));
    EXPECT_EQ(WriteModuleBluetooth(*sim.links, GetParam(), {"Dock 3", "2468"}), ResultCode::DataTransmissionError);
    useModule(sim::ExternalModuleState::Kind::None);
    EXPECT_FALSE(ProbeBluetoothModule(*sim.links, GetParam()));
    EXPECT_TRUE(ReadModuleBluetooth(*sim.links, GetParam()).name.isEmpty());
}

TEST_P(ExternalModuleOverLinksTest, aPrinterThatDoesNotAnswerTheModeCommandIsNotSupported)
{
    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::CheckExternalModule>(GetParam()), ResultCode::NotSupport);
}

TEST_P(ExternalModuleOverLinksTest, theAccessPointSearchEndsWithTheAnswerAndReportsAMissingModule)
{
    AccessPointScanResult result;
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::ScanAccessPoints>(GetParam(), result), ResultCode::Success);
    EXPECT_TRUE(result.moduleFound);
    ASSERT_EQ(result.accessPoints.size(), 4);
    EXPECT_EQ(result.accessPoints[1].ssid, "Lab");
    EXPECT_EQ(result.accessPoints[1].security, 1);

    useModule(sim::ExternalModuleState::Kind::None);
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::ScanAccessPoints>(GetParam(), result), ResultCode::Success);
    EXPECT_FALSE(result.moduleFound);
}

INSTANTIATE_TEST_SUITE_P(ReadingKinds, ExternalModuleOverLinksTest,
                         ::testing::Values(InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Ethernet),
                         [](const auto& info) {
                             return info.param == InterfaceKind::Usb   ? "USB"
                                    : info.param == InterfaceKind::Com ? "COM"
                                                                       : "ETHERNET";
                         });
