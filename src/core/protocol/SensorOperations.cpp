#include "protocol/SensorOperations.h"

#include "link/PrinterLink.h"
#include "protocol/CommandFormat.h"
#include "protocol/LinkedOperation.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {

/// The edition from which printers report their threshold.
constexpr std::int32_t kThresholdEdition = 104;
/// Each sensor value comes in a frame of at most this many bytes.
constexpr qsizetype kSensorValueCapacity = 64;

QByteArray number(std::int32_t value)
{
    return QByteArray::number(value);
}

QByteArray autoCalibrationText(const SensorCalibration& c)
{
    static const char* const kDetect[] = {"GAPDETECT", "BLINEDETECT", nullptr, "AUTODETECT"};
    if (c.mediaType == MediaContinuous)
        return "GAP 0.12,0\r\nGAP 0,0\r\n";
    const QByteArray detect = kDetect[c.mediaType];
    if (c.paperHeight != 0 && c.gap != 0)
        return "SET SENSOR_REF MANUAL\r\n" + detect + ' ' + number(c.paperHeight) + ',' + number(c.gap) + "\r\n";
    return detect + "\r\n";
}

QByteArray manualSetupText(const SensorCalibration& c)
{
    static const char* const kMediaLine[] = {"GAP 0.08,0\r\n", "BLINE 0.08,0\r\n", "GAP 0,0\r\n", ""};
    QByteArray text = "SET SENSOR_REF MANUAL\r\n";
    text += kMediaLine[c.mediaType];
    if (c.intensity != 0 && c.threshold != 0)
        text += "SET GAP " + number(c.intensity) + ',' + number(c.threshold) + "\r\n";
    else if (c.intensity != 0)
        text += "SET GAP " + number(c.intensity) + "\r\n";
    // DLE "JL": the printer takes the new sensor settings; it has no line end.
    return text + "\x10JL";
}

/// Sends a report query and reads its number.
ResultCode report(PrinterLink& link, const char* query, std::int32_t& value)
{
    QByteArray reply;
    const ResultCode result = Exchange(link, query, reply);
    if (result == ResultCode::Success)
        value = ReplyNumber(reply);
    return result;
}

} // namespace

QByteArray SensorCalibrationText(const SensorCalibration& calibration)
{
    if (calibration.mediaType < MediaGap || calibration.mediaType > MediaAutoSelection)
        throw UnsendableValue("mediaType");
    if (calibration.mode == CalibrationAuto)
        return autoCalibrationText(calibration);
    if (calibration.mode == CalibrationManual)
        return manualSetupText(calibration);
    throw UnsendableValue("mode");
}

ResultCode SendSensorCalibration(PrinterLink& link, const SensorCalibration& calibration)
{
    const QByteArray text = SensorCalibrationText(calibration);
    return text.isEmpty() ? ResultCode::Success : SendCommand(link, text);
}

ResultCode ReadSensorSettings(PrinterLink& link, SensorCalibration& calibration)
{
    if (const ResultCode result = Announce(link); result != ResultCode::Success)
        return result;
    std::int32_t mode = 0;
    if (const ResultCode result = report(link, "DIAGNOSTIC REPORT SENSORMODE\r\n", mode); result != ResultCode::Success)
        return result;
    // Modes the dialog has no choice for (and nonsense below 0) are shown as continuous media.
    calibration.mediaType = mode >= MediaGap && mode <= MediaContinuous ? mode : MediaContinuous;
    static const char* const kIntensityQuery[] = {"DIAGNOSTIC REPORT GAPINTEN\r\n", "DIAGNOSTIC REPORT BLINEINTEN\r\n",
                                                  "DIAGNOSTIC REPORT CONINTEN\r\n"};
    if (const ResultCode result = report(link, kIntensityQuery[calibration.mediaType], calibration.intensity);
        result != ResultCode::Success)
        return result;
    std::int32_t edition = 0;
    if (report(link, "DIAGNOSTIC REPORT EDITION\r\n", edition) != ResultCode::Success || edition < kThresholdEdition)
        return ResultCode::Success;
    return report(link, "DIAGNOSTIC REPORT THRESHOLD\r\n", calibration.threshold);
}

ResultCode ReadSensorValues(PrinterLink& link, SensorReadings& readings)
{
    readings.values.clear();
    const char* query =
        readings.sensorKind == MediaBlackMark ? "DIAGNOSTIC REPORT BLINESENSOR\r\n" : "DIAGNOSTIC REPORT GAPSENSOR\r\n";
    if (!link.WriteLink(query))
        return ResultCode::DataTransmissionError;
    QByteArray reply;
    for (;;) {
        if (!ReadFramedReply(link, reply, kSensorValueCapacity))
            break;
        if (reply.isEmpty())
            return ResultCode::Success;
        if (readings.values.size() == kMaxSensorValues)
            break;
        readings.values.push_back(ReplyNumber(reply));
    }
    readings.values.clear();
    return ResultCode::DataReceivingError;
}

void RegisterSensorOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::SensorCalibration>(dispatcher, SendSensorCalibration);
    RegisterOverLink<OperationCode::ReadSensorSettings>(dispatcher, ReadSensorSettings);
    RegisterOverLink<OperationCode::ReadSensorValues>(dispatcher, ReadSensorValues);
}

} // namespace norvane
