#pragma once

#include <QByteArray>
#include <QMap>

namespace norvane::sim {

/// What a printer of a firmware edition answers to "DIAGNOSTIC REPORT" queries as it leaves the factory.
QMap<QByteArray, QByteArray> FactoryReports(int edition);

inline constexpr int kDefaultEdition = 108;

} // namespace norvane::sim
