#pragma once

#include "protocol/OperationCode.h"

#include <QByteArray>
#include <cstdint>

namespace norvane {

struct AccessPointScanResult;
struct BluetoothScanResult;
struct ClockSetting;
struct ConfigPageWrite;
struct DownloadRequest;
struct DumpRequest;
struct EthernetSettings;
struct FileListStore;
struct PrinterConfig;
struct PrinterFileRequest;
struct SensorCalibration;
struct SensorReadings;
struct StatusFlags;
struct TestPageRequest;

/// The record each operation takes, fixed when the program is built: a caller passing another type does not
/// compile. `void` for operations without a record; an operation not listed here cannot be called yet.
template <OperationCode Op> struct OperationRecord;

template <OperationCode Op> using RecordOf = typename OperationRecord<Op>::Type;

template <> struct OperationRecord<OperationCode::ReadStatus>
{
    using Type = StatusFlags;
};
template <> struct OperationRecord<OperationCode::ReadConfiguration>
{
    using Type = PrinterConfig;
};
/// The printer's password, emptied first.
template <> struct OperationRecord<OperationCode::ReadPassword>
{
    using Type = QByteArray;
};
/// The new password.
template <> struct OperationRecord<OperationCode::SendPassword>
{
    using Type = const QByteArray;
};
template <> struct OperationRecord<OperationCode::WriteConfigurationPage>
{
    using Type = ConfigPageWrite;
};
template <> struct OperationRecord<OperationCode::FactoryDefault>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::StartDumpMode>
{
    using Type = const DumpRequest;
};
template <> struct OperationRecord<OperationCode::ReadDumpFile>
{
    using Type = PrinterFileRequest;
};
template <> struct OperationRecord<OperationCode::PrintConfigurationPage>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::SetClock>
{
    using Type = const ClockSetting;
};
template <> struct OperationRecord<OperationCode::ReadClock>
{
    using Type = ClockSetting;
};
template <> struct OperationRecord<OperationCode::ResetPrinter>
{
    using Type = void;
};
/// Cleared, then filled memory by memory.
template <> struct OperationRecord<OperationCode::ReadFileLists>
{
    using Type = FileListStore;
};
template <> struct OperationRecord<OperationCode::DownloadFile>
{
    using Type = const DownloadRequest;
};
/// The bytes to send as they are; the dispatcher's extra value is their count.
template <> struct OperationRecord<OperationCode::SendRawBytes>
{
    using Type = const QByteArray;
};
/// The memory to erase, as a `MemoryDevice` number.
template <> struct OperationRecord<OperationCode::DeleteFiles>
{
    using Type = const std::int32_t;
};
template <> struct OperationRecord<OperationCode::PrintTestPage>
{
    using Type = const TestPageRequest;
};
template <> struct OperationRecord<OperationCode::IgnoreStartupProgram>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::SetIpAddress>
{
    using Type = const EthernetSettings;
};
template <> struct OperationRecord<OperationCode::SetPrinterName>
{
    using Type = const EthernetSettings;
};
template <> struct OperationRecord<OperationCode::ReadEthernetSettings>
{
    using Type = EthernetSettings;
};
template <> struct OperationRecord<OperationCode::LinkTest>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::ExitLineMode>
{
    using Type = void;
};
/// The emulation number (`ActiveEmulationNumber`).
template <> struct OperationRecord<OperationCode::ReadEmulation>
{
    using Type = std::int32_t;
};
template <> struct OperationRecord<OperationCode::SetEmulation>
{
    using Type = const std::int32_t;
};
template <> struct OperationRecord<OperationCode::CheckExternalModule>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::ScanAccessPoints>
{
    using Type = AccessPointScanResult;
};
template <> struct OperationRecord<OperationCode::ScanBluetooth>
{
    using Type = BluetoothScanResult;
};
/// The device's address.
template <> struct OperationRecord<OperationCode::ConnectBluetooth>
{
    using Type = const QByteArray;
};
template <> struct OperationRecord<OperationCode::WirelessFactoryDefault>
{
    using Type = void;
};
template <> struct OperationRecord<OperationCode::SensorCalibration>
{
    using Type = const SensorCalibration;
};
template <> struct OperationRecord<OperationCode::ReadSensorSettings>
{
    using Type = SensorCalibration;
};
/// `sensorKind` chosen by the caller.
template <> struct OperationRecord<OperationCode::ReadSensorValues>
{
    using Type = SensorReadings;
};

} // namespace norvane
