#pragma once

#include "config/SensorCalibration.h"
#include "protocol/ResultCode.h"

#include <QByteArray>

namespace norvane {

class CommandDispatcher;
class PrinterLink;

/// The one text operation 10 writes. A media type or mode outside the choices is refused (`UnsendableValue`).
QByteArray SensorCalibrationText(const SensorCalibration& calibration);

/// Operation 10: the calibration text in one write; an empty text writes nothing.
ResultCode SendSensorCalibration(PrinterLink& link, const SensorCalibration& calibration);

/// Operation 23: media type, its intensity, and the threshold from edition 104 on. Fields read before a
/// failing query keep their values.
ResultCode ReadSensorSettings(PrinterLink& link, SensorCalibration& calibration);

/// Operation 24: the raw values of the sensor `readings.sensorKind` names, up to an empty reply. More than
/// `kMaxSensorValues` values is a receiving failure that leaves the list empty.
ResultCode ReadSensorValues(PrinterLink& link, SensorReadings& readings);

/// Puts operations 10, 23 and 24 into the dispatcher's table.
void RegisterSensorOperations(CommandDispatcher& dispatcher);

} // namespace norvane
