#include "SimPrinter.h"
#include "config/SensorChoice.h"
#include "protocol/SensorOperations.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class SensorOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    template <OperationCode Op> ResultCode run(RecordOf<Op>& record)
    {
        return sim.dispatcher->dispatch<Op>(GetParam(), record);
    }

    SimPrinter sim;
};

TEST_P(SensorOverLinksTest, aManualSetupIsReadBackAndItsTakeCodeArrives)
{
    SensorCalibration calibration;
    calibration.mediaType = MediaBlackMark;
    calibration.mode = CalibrationManual;
    calibration.intensity = 9;
    calibration.threshold = 450;
    ASSERT_EQ(run<OperationCode::SensorCalibration>(calibration), ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.received.endsWith("\x10JL"); }));

    SensorCalibration read;
    ASSERT_EQ(run<OperationCode::ReadSensorSettings>(read), ResultCode::Success);
    EXPECT_EQ(read.mediaType, MediaBlackMark);
    EXPECT_EQ(read.intensity, 9);
    EXPECT_EQ(read.threshold, 450);
}

TEST_P(SensorOverLinksTest, anAutoCalibrationWithLengthsSetsTheMediaAndTheLabel)
{
    SensorCalibration calibration;
    calibration.mediaType = MediaGap;
    calibration.paperHeight = 406;
    calibration.gap = 24;
    ASSERT_EQ(run<OperationCode::SensorCalibration>(calibration), ResultCode::Success);
    ASSERT_TRUE(
        sim.waitFor([](const sim::PrinterState& state) { return state.commands.contains("GAPDETECT 406,24"); }));
    const auto reports = sim.printer.snapshot().reports;
    EXPECT_EQ(reports["SENSORMODE"], "0");
    EXPECT_EQ(reports["PAPERHEIGHT"], "406.00");
    EXPECT_EQ(reports["GAPSIZE"], "24.00");
}

TEST_P(SensorOverLinksTest, theTwoSamplesOfAGuidedMeasurementComeFromWhatLiesUnderTheSensor)
{
    // Liner and label differ by 95 at intensity 2 and by at most 90 elsewhere, then by 96.
    sim.printer.withState([](sim::PrinterState& state) {
        state.sensor.gapLiner = {100, 200, 300, 400};
        state.sensor.gapLabel = {150, 290, 395, 310};
    });
    SensorReadings liner;
    ASSERT_EQ(run<OperationCode::ReadSensorValues>(liner), ResultCode::Success);
    sim.printer.withState([](sim::PrinterState& state) { state.sensor.labelUnderSensor = true; });
    SensorReadings label;
    ASSERT_EQ(run<OperationCode::ReadSensorValues>(label), ResultCode::Success);
    EXPECT_EQ(label.values, (std::vector<std::int32_t>{150, 290, 395, 310}));
    EXPECT_FALSE(ChooseFromTwoSamples(liner.values, label.values));

    sim.printer.withState([](sim::PrinterState& state) { state.sensor.gapLabel[2] = 396; });
    ASSERT_EQ(run<OperationCode::ReadSensorValues>(label), ResultCode::Success);
    const auto choice = ChooseFromTwoSamples(liner.values, label.values);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->intensity, 2);
    EXPECT_EQ(choice->threshold, 348);
}

TEST_P(SensorOverLinksTest, theBlackMarkSensorHasItsOwnValuesAndTooManyAreRefused)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.sensor.markBlack = {700, 650};
        state.sensor.gapLiner = QList<std::int32_t>(129, 500);
    });
    SensorReadings mark;
    mark.sensorKind = MediaBlackMark;
    ASSERT_EQ(run<OperationCode::ReadSensorValues>(mark), ResultCode::Success);
    EXPECT_EQ(mark.values, (std::vector<std::int32_t>{700, 650}));

    SensorReadings gap;
    EXPECT_EQ(run<OperationCode::ReadSensorValues>(gap), ResultCode::DataReceivingError);
}

INSTANTIATE_TEST_SUITE_P(AllLinks, SensorOverLinksTest,
                         ::testing::Values(InterfaceKind::Ethernet, InterfaceKind::Com, InterfaceKind::Usb));
