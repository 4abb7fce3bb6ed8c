#pragma once

#include "SimFault.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <chrono>
#include <cstdint>

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

    int factoryDefaults = 0;
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
