#pragma once

#include "config/PrinterConfig.h"
#include "protocol/CertificatePaths.h"

#include <QByteArray>
#include <QList>

namespace norvane {

/// The command lines that write one page of the configuration, in sending order. Only set items are
/// written, except where the printer needs a line in any case.
QList<QByteArray> CommonPageLines(const PrinterConfig& config);
QList<QByteArray> ZEmulationPageLines(const PrinterConfig& config);
QList<QByteArray> DEmulationPageLines(const PrinterConfig& config);
QList<QByteArray> SerialPortPageLines(const PrinterConfig& config);
/// Reads the certificate files and stores their names into the record.
QList<QByteArray> WirelessPageLines(PrinterConfig& config, const CertificatePaths& certificates);
QList<QByteArray> BluetoothPageLines(const PrinterConfig& config);
QList<QByteArray> FtpUpdatePageLines(const PrinterConfig& config);

} // namespace norvane
