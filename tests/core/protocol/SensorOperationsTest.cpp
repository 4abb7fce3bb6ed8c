#include "protocol/SensorOperations.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/CommandFormat.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray frame(const QByteArray& data)
{
    return '{' + QByteArray::number(data.size()) + '|' + data + '}';
}

SensorCalibration autoCalibration(std::int32_t media, std::int32_t height = 0, std::int32_t gap = 0)
{
    SensorCalibration c;
    c.apply = true;
    c.mediaType = media;
    c.paperHeight = height;
    c.gap = gap;
    return c;
}

SensorCalibration manualSetup(std::int32_t media, std::int32_t intensity, std::int32_t threshold)
{
    SensorCalibration c = autoCalibration(media);
    c.mode = CalibrationManual;
    c.intensity = intensity;
    c.threshold = threshold;
    return c;
}

} // namespace

TEST(SensorCalibrationTextTest, autoCalibrationSendsLengthsOnlyWhenBothAreGiven)
{
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaGap, 406, 24)),
              "SET SENSOR_REF MANUAL\r\nGAPDETECT 406,24\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaBlackMark, 800, 16)),
              "SET SENSOR_REF MANUAL\r\nBLINEDETECT 800,16\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaAutoSelection, 1, 2)),
              "SET SENSOR_REF MANUAL\r\nAUTODETECT 1,2\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaGap)), "GAPDETECT\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaGap, 406, 0)), "GAPDETECT\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaBlackMark, 0, 24)), "BLINEDETECT\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaAutoSelection)), "AUTODETECT\r\n");
    EXPECT_EQ(SensorCalibrationText(autoCalibration(MediaContinuous, 406, 24)), "GAP 0.12,0\r\nGAP 0,0\r\n");
}

TEST(SensorCalibrationTextTest, manualSetupEndsWithTheTakeCodeAndLeavesOutZeroValues)
{
    EXPECT_EQ(SensorCalibrationText(manualSetup(MediaGap, 5, 0)),
              QByteArray("SET SENSOR_REF MANUAL\r\nGAP 0.08,0\r\nSET GAP 5\r\n\x10JL"));
    EXPECT_EQ(SensorCalibrationText(manualSetup(MediaBlackMark, 7, 600)),
              QByteArray("SET SENSOR_REF MANUAL\r\nBLINE 0.08,0\r\nSET GAP 7,600\r\n\x10JL"));
    EXPECT_EQ(SensorCalibrationText(manualSetup(MediaContinuous, 0, 600)),
              QByteArray("SET SENSOR_REF MANUAL\r\nGAP 0,0\r\n\x10JL"));
    EXPECT_EQ(SensorCalibrationText(manualSetup(MediaAutoSelection, -3, 0)),
              QByteArray("SET SENSOR_REF MANUAL\r\nSET GAP -3\r\n\x10JL"));
}

TEST(SensorCalibrationTextTest, aMediaTypeOrModeOutsideTheChoicesIsRefusedAndNothingIsSent)
{
    EXPECT_THROW(SensorCalibrationText(autoCalibration(4)), UnsendableValue);
    EXPECT_THROW(SensorCalibrationText(manualSetup(-1, 5, 0)), UnsendableValue);
    SensorCalibration badMode = autoCalibration(MediaGap);
    badMode.mode = 2;
    EXPECT_THROW(SensorCalibrationText(badMode), UnsendableValue);

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SensorCalibration>(InterfaceKind::Usb, badMode),
              ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
}

TEST(SensorOperationsTest, theCalibrationGoesOutInOneWriteAndAFailedWriteIsCode2)
{
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    const SensorCalibration manual = manualSetup(MediaGap, 5, 0);
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SensorCalibration>(InterfaceKind::Lpt, manual), ResultCode::Success);
    ASSERT_EQ(s.device->chunks.size(), 1);
    EXPECT_TRUE(s.device->chunks[0].endsWith(QByteArray("\r\n\x10\x4a\x4c")));

    s.device->failChunk = 1;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SensorCalibration>(InterfaceKind::Lpt, manual),
              ResultCode::DataTransmissionError);
}

class SensorSettingsTest : public ::testing::Test
{
protected:
    void answer(const QMap<QByteArray, QByteArray>& reports)
    {
        s.device->respond = [reports](QByteArrayView command) {
            const QByteArray line = command.toByteArray().trimmed();
            if (line.startsWith("DIAGNOSTIC INTERFACE"))
                return frame("OK");
            const QByteArray key = line.mid(18);
            return reports.contains(key) ? frame(reports.value(key)) : QByteArray();
        };
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    SensorCalibration record;
};

TEST_F(SensorSettingsTest, theIntensityFollowsTheModeAndTheThresholdComesFromEdition104)
{
    answer({{"SENSORMODE", "1"}, {"GAPINTEN", "5"}, {"BLINEINTEN", "7"}, {"EDITION", "104"}, {"THRESHOLD", "612"}});
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadSensorSettings>(InterfaceKind::Com, record), ResultCode::Success);
    EXPECT_EQ(record.mediaType, MediaBlackMark);
    EXPECT_EQ(record.intensity, 7);
    EXPECT_EQ(record.threshold, 612);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE COM\r\nDIAGNOSTIC REPORT SENSORMODE\r\n"
                                 "DIAGNOSTIC REPORT BLINEINTEN\r\nDIAGNOSTIC REPORT EDITION\r\n"
                                 "DIAGNOSTIC REPORT THRESHOLD\r\n");
}

TEST_F(SensorSettingsTest, modesBeyondContinuousAreContinuousAndEdition103LeavesTheThreshold)
{
    for (const QByteArray mode : {"3", "9", "-1"}) {
        answer({{"SENSORMODE", mode}, {"CONINTEN", "4"}, {"EDITION", "103"}, {"THRESHOLD", "612"}});
        record = {};
        s.device->written.clear();
        ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadSensorSettings>(InterfaceKind::Usb, record),
                  ResultCode::Success);
        EXPECT_EQ(record.mediaType, MediaContinuous) << mode.constData();
        EXPECT_EQ(record.intensity, 4);
        EXPECT_EQ(record.threshold, 0);
        EXPECT_TRUE(s.device->written.endsWith("CONINTEN\r\nDIAGNOSTIC REPORT EDITION\r\n"));
    }
    // A printer that does not know its edition is taken as an old one.
    answer({{"SENSORMODE", "0"}, {"GAPINTEN", "5"}, {"THRESHOLD", "612"}});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorSettings>(InterfaceKind::Usb, record), ResultCode::Success);
    EXPECT_EQ(record.threshold, 0);
}

TEST_F(SensorSettingsTest, aFailingQueryEndsWithItsCodeKeepingWhatWasRead)
{
    answer({{"SENSORMODE", "0"}, {"EDITION", "108"}});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorSettings>(InterfaceKind::Usb, record),
              ResultCode::DataReceivingError);
    EXPECT_EQ(record.mediaType, MediaGap);
    EXPECT_EQ(record.intensity, 0);

    answer({{"SENSORMODE", "0"}, {"GAPINTEN", "6"}, {"EDITION", "108"}});
    record = {};
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorSettings>(InterfaceKind::Usb, record),
              ResultCode::DataReceivingError);
    EXPECT_EQ(record.intensity, 6);
}

class SensorValuesTest : public ::testing::Test
{
protected:
    /// Answers a sensor query with `values` then the empty reply.
    void answer(const QByteArray& query, int count)
    {
        s.device->respond = [query, count](QByteArrayView command) {
            if (command != query)
                return QByteArray();
            QByteArray replies;
            for (int i = 0; i < count; ++i)
                replies += frame(QByteArray::number(100 + i));
            return replies + frame({});
        };
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    SensorReadings readings;
};

TEST_F(SensorValuesTest, eachReplyIsOneValueUpToTheEmptyOneFromTheChosenSensor)
{
    answer("DIAGNOSTIC REPORT BLINESENSOR\r\n", 16);
    readings.sensorKind = MediaBlackMark;
    readings.values = {1, 2, 3};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings), ResultCode::Success);
    ASSERT_EQ(readings.values.size(), 16u);
    EXPECT_EQ(readings.values.front(), 100);
    EXPECT_EQ(readings.values.back(), 115);

    for (const std::int32_t kind : {MediaGap, MediaContinuous}) {
        answer("DIAGNOSTIC REPORT GAPSENSOR\r\n", 2);
        readings.sensorKind = kind;
        ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings),
                  ResultCode::Success);
        EXPECT_EQ(readings.values, (std::vector<std::int32_t>{100, 101}));
    }
}

TEST_F(SensorValuesTest, moreThan128ValuesOrAMissingEndIsAReceivingFailureWithNothingKept)
{
    answer("DIAGNOSTIC REPORT GAPSENSOR\r\n", 128);
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings), ResultCode::Success);
    EXPECT_EQ(readings.values.size(), 128u);

    answer("DIAGNOSTIC REPORT GAPSENSOR\r\n", 129);
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings),
              ResultCode::DataReceivingError);
    EXPECT_TRUE(readings.values.empty());

    s.device->respond = [](QByteArrayView) {
        return frame("512");
    };
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings),
              ResultCode::DataReceivingError);
    EXPECT_TRUE(readings.values.empty());

    // A value frame longer than 62 bytes is no value.
    s.device->respond = [](QByteArrayView) {
        return frame(QByteArray(63, '1')) + frame({});
    };
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadSensorValues>(InterfaceKind::Usb, readings),
              ResultCode::DataReceivingError);
}
