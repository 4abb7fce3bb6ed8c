#pragma once

#include <QByteArray>
#include <QList>
#include <chrono>
#include <cstdint>

namespace norvane::sim {

/// A wireless module on the printer's COM1. In module mode (entered by "DEBUG 2034,8,7", left by a reset)
/// the printer passes the module's AT commands through to it. A wireless module without Bluetooth does not
/// report a Bluetooth status; with no module at all nothing answers the AT commands and an access-point
/// search answers -1.
struct ExternalModuleState
{
    enum class Kind
    {
        None,
        Wireless,
        Bluetooth,
    };
    struct AccessPoint
    {
        QByteArray ssid;
        std::int32_t security = 0;
    };

    Kind kind = Kind::Bluetooth;
    bool moduleMode = false;
    QByteArray bluetoothName = "NV-BT-01";
    QByteArray pinCode = "0000";
    /// Unset: the module answers an access-point search with -1.
    bool searchesAccessPoints = true;
    QList<AccessPoint> accessPoints{{"Office", 2}, {"Lab", 1}, {"Office", 2}, {"Guest", 0}};
    std::chrono::milliseconds scanTime{200};
    /// Every AT command the module received, without its CR.
    QList<QByteArray> atCommands;
};

} // namespace norvane::sim
