#pragma once

#include <cstdint>
#include <vector>

namespace norvane {

/// The index of the Media Type choice, also what the printer's SENSORMODE reports (up to continuous).
enum SensorMedia : std::int32_t
{
    MediaGap = 0,
    MediaBlackMark = 1,
    MediaContinuous = 2,
    MediaAutoSelection = 3,
};

enum SensorCalibrationMode : std::int32_t
{
    CalibrationAuto = 0,
    CalibrationManual = 1,
};

/// One calibration: read from the printer, edited in the dialog, sent back.
struct SensorCalibration
{
    bool apply = false;
    std::int32_t mediaType = MediaContinuous;
    std::int32_t mode = CalibrationAuto;
    std::int32_t threshold = 0;
    std::int32_t intensity = 0;
    /// In printer dots; 0 = not given.
    std::int32_t paperHeight = 0;
    std::int32_t gap = 0;
    /// Dots per inch, or per millimetre when lengths are shown in mm.
    std::int32_t dotsPerUnit = 0;
};

/// The sensor's sample block holds this many values at most; a printer sending more is not believed.
inline constexpr std::size_t kMaxSensorValues = 128;

/// The raw sensor value at each intensity step, in the printer's order.
struct SensorReadings
{
    /// 1 = black-mark sensor, any other value = gap sensor.
    std::int32_t sensorKind = MediaGap;
    std::vector<std::int32_t> values;
};

} // namespace norvane
