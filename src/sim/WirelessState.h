#pragma once

#include <QByteArray>
#include <QMap>

namespace norvane::sim {

/// The wireless module's certificates (received by DLCERT, by their file name) and how often it was
/// returned to its factory settings.
struct WirelessState
{
    QMap<QByteArray, QByteArray> certificates;
    int factoryDefaults = 0;
};

} // namespace norvane::sim
