#pragma once

#include "BluetoothState.h"
#include "ClockState.h"
#include "CommonSettingState.h"
#include "ControlState.h"
#include "DumpState.h"
#include "ExternalModuleState.h"
#include "MemoryState.h"
#include "NetworkState.h"
#include "PrinterFunctionState.h"
#include "SensorState.h"
#include "SimFault.h"
#include "WirelessState.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <chrono>
#include <cstdint>

namespace norvane::sim {

/// Everything the virtual printer knows and remembers, guarded by the printer's lock: the printer's
/// condition and identity, the settings its reports answer (which most families change), each command
/// family's own state under the family's name, how it misbehaves, and what it received.
struct PrinterState
{
    std::uint8_t status = 0;
    QByteArray extendedStatus = QByteArray(8, '\0');
    bool answersExtendedStatus = true;
    QByteArray serialNumber = "NV2031A0001";
    /// The answer to each "DIAGNOSTIC REPORT" key; a key not here is not answered at all.
    QMap<QByteArray, QByteArray> reports;
    /// Report keys whose settings commands are accepted for but cannot change.
    QSet<QByteArray> readOnlyReports;

    BluetoothState bluetooth;
    ClockState clock;
    CommonSettingState commonSettings;
    ControlState control;
    DumpState dump;
    ExternalModuleState externalModule;
    MemoryState memories;
    NetworkState network;
    PrinterFunctionState functions;
    SensorState sensor;
    WirelessState wireless;

    SimFault fault = SimFault::None;
    std::chrono::milliseconds replyDelay{0};

    /// Every byte received, and every command accepted in readable form ("SELFTEST", "ESC !?").
    QByteArray received;
    QList<QByteArray> commands;

    /// Adds a note in parentheses to the logged command; families call it on the command they handle,
    /// which is the last one logged.
    void remark(const QByteArray& note) { commands.last() += " (" + note + ')'; }
};

} // namespace norvane::sim
