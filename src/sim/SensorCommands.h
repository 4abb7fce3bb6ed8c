#pragma once

#include "CommandFamily.h"

#include <QString>

namespace norvane::sim {

/// The media sensor: its raw values by intensity, the detection runs, the manual intensity and threshold.
class SensorCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

/// Reads "V,V,.../V,V,..." (the two samples of one sensor) into `first` and `second`; false, with `error`
/// set, on anything else. A sample may hold up to 256 values, more than a printer has, to test that limit.
bool ParseSensorSamples(const QString& text, QList<std::int32_t>& first, QList<std::int32_t>& second, QString& error);

} // namespace norvane::sim
