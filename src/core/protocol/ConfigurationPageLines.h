#pragma once

#include "config/PrinterConfig.h"
#include "protocol/CertificateFiles.h"
#include "protocol/CommandText.h"

#include <QByteArray>
#include <QList>

namespace norvane {

/// The command lines that write one page of the configuration, in sending order. Only set items are
/// written, except where the printer needs a line in any case. A text or number that its command cannot
/// carry throws `UnsendableValue` naming its field. The pages that carry keys or passwords mark them secret.
QList<QByteArray> CommonPageLines(const PrinterConfig& config);
QList<QByteArray> ZEmulationPageLines(const PrinterConfig& config);
QList<QByteArray> DEmulationPageLines(const PrinterConfig& config);
QList<QByteArray> SerialPortPageLines(const PrinterConfig& config);
/// Stores the names of the certificates sent into the record.
QList<CommandText> WirelessPageLines(PrinterConfig& config, const LoadedCertificates& certificates);
QList<CommandText> BluetoothPageLines(const PrinterConfig& config);
QList<CommandText> FtpUpdatePageLines(const PrinterConfig& config);

/// The "D" print speed letter a speed goes out as; speeds outside the letters go out as "G".
char DSpeedLetter(double speed);

} // namespace norvane
