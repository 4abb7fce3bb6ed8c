#pragma once

#include "SimFault.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <chrono>
#include <cstdint>
#include <utility>

namespace norvane::sim {

/// Everything the virtual printer knows and remembers, guarded by the printer's lock.
struct PrinterState
{
    std::uint8_t status = 0;
    QByteArray extendedStatus = QByteArray(8, '\0');
    bool answersExtendedStatus = true;
    QByteArray serialNumber = "NV2031A0001";
    /// The answer to each "DIAGNOSTIC REPORT" key; a key not here is not answered at all.
    QMap<QByteArray, QByteArray> reports;

    /// The post-print action as the three SET TEAR / SET PEEL / SET CUTTER lines left it.
    bool tear = false;
    bool peel = false;
    QByteArray cutter = "OFF";
    /// Certificates received by DLCERT, by their file name.
    QMap<QByteArray, QByteArray> certificates;

    /// What the Bluetooth module finds when asked to search: name and address per device; without a
    /// module the printer answers a count of -1. The search takes `scanTime`.
    bool bluetoothModule = true;
    QList<std::pair<QByteArray, QByteArray>> bluetoothDevices{{"Scanner-01", "00:1B:82:11:22:33"},
                                                              {"Handheld-7", "00:1B:82:44:55:66"}};
    std::chrono::milliseconds scanTime{200};
    /// The device the module was last told to connect to as master.
    QByteArray bluetoothMaster;

    int factoryDefaults = 0;
    int wirelessFactoryDefaults = 0;
    int configurationPages = 0;
    int resets = 0;
    int startupProgramsIgnored = 0;
    int lineModeExits = 0;

    SimFault fault = SimFault::None;
    std::chrono::milliseconds replyDelay{0};

    /// Every byte received, and every command accepted in readable form ("SELFTEST", "ESC !?").
    QByteArray received;
    QList<QByteArray> commands;
};

} // namespace norvane::sim
