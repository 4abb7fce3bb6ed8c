#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QString>

namespace norvane::test {

/// The record that tests/data/make-sample-dcf.py writes into sample-config.record and sample-config.dcf
/// (unit mm, status flags 2 and 9 set): every kind of field, a Latin-1 byte, a password reaching into
/// the record's plain tail.
PrinterConfig SampleConfig();

/// The bytes of a file in the test data folder.
QByteArray TestDataFile(const QString& name);

} // namespace norvane::test
