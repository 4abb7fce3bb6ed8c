#pragma once

#include <QByteArray>
#include <QMap>

namespace norvane::sim {

/// What a printer of a firmware edition answers to "DIAGNOSTIC REPORT" queries as it leaves the factory.
/// Each edition adds queries: 100 the emulation settings, 102 the cutter counter and maximum length,
/// 103 the reset counters and ribbon sensors, 105 Bluetooth and wireless, 106 wireless security and
/// FTP update, 107 the Bluetooth identity, 108 the display language. Edition 0 is a printer that
/// answers neither the edition nor the reprint and horizontal-shift queries.
QMap<QByteArray, QByteArray> FactoryReports(int edition);

inline constexpr int kDefaultEdition = 108;

} // namespace norvane::sim
