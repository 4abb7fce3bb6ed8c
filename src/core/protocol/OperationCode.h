#pragma once

#include <cstdint>

namespace norvane {

/// The printer operations of the command dispatcher. There is no operation 27.
enum class OperationCode : std::uint32_t
{
    ReadStatus = 0,
    ReadConfiguration = 1,
    ReadPassword = 2,
    SendPassword = 3,
    WriteConfigurationPage = 4,
    FactoryDefault = 5,
    StartDumpMode = 6,
    PrintConfigurationPage = 7,
    SetClock = 8,
    ReadClock = 9,
    SensorCalibration = 10,
    ResetPrinter = 11,
    ReadFileLists = 12,
    DownloadFile = 13,
    SendRawBytes = 14,
    DeleteFiles = 15,
    PrintTestPage = 16,
    IgnoreStartupProgram = 17,
    SetIpAddress = 18,
    SetPrinterName = 19,
    ReadEthernetSettings = 20,
    LinkTest = 21,
    ReadDumpFile = 22,
    ReadSensorSettings = 23,
    ReadSensorValues = 24,
    ExitLineMode = 25,
    CheckExternalModule = 26,
    ScanAccessPoints = 28,
    ReadEmulation = 29,
    SetEmulation = 30,
    ScanBluetooth = 31,
    ConnectBluetooth = 32,
    WirelessFactoryDefault = 33,
};

} // namespace norvane
