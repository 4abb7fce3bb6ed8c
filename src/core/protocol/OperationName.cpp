#include "protocol/OperationName.h"

namespace norvane {

QByteArray OperationCodeName(std::uint32_t op)
{
    switch (static_cast<OperationCode>(op)) {
    case OperationCode::ReadStatus:
        return "ReadStatus";
    case OperationCode::ReadConfiguration:
        return "ReadConfiguration";
    case OperationCode::ReadPassword:
        return "ReadPassword";
    case OperationCode::SendPassword:
        return "SendPassword";
    case OperationCode::WriteConfigurationPage:
        return "WriteConfigurationPage";
    case OperationCode::FactoryDefault:
        return "FactoryDefault";
    case OperationCode::StartDumpMode:
        return "StartDumpMode";
    case OperationCode::PrintConfigurationPage:
        return "PrintConfigurationPage";
    case OperationCode::SetClock:
        return "SetClock";
    case OperationCode::ReadClock:
        return "ReadClock";
    case OperationCode::SensorCalibration:
        return "SensorCalibration";
    case OperationCode::ResetPrinter:
        return "ResetPrinter";
    case OperationCode::ReadFileLists:
        return "ReadFileLists";
    case OperationCode::DownloadFile:
        return "DownloadFile";
    case OperationCode::SendRawBytes:
        return "SendRawBytes";
    case OperationCode::DeleteFiles:
        return "DeleteFiles";
    case OperationCode::PrintTestPage:
        return "PrintTestPage";
    case OperationCode::IgnoreStartupProgram:
        return "IgnoreStartupProgram";
    case OperationCode::SetIpAddress:
        return "SetIpAddress";
    case OperationCode::SetPrinterName:
        return "SetPrinterName";
    case OperationCode::ReadEthernetSettings:
        return "ReadEthernetSettings";
    case OperationCode::LinkTest:
        return "LinkTest";
    case OperationCode::ReadDumpFile:
        return "ReadDumpFile";
    case OperationCode::ReadSensorSettings:
        return "ReadSensorSettings";
    case OperationCode::ReadSensorValues:
        return "ReadSensorValues";
    case OperationCode::ExitLineMode:
        return "ExitLineMode";
    case OperationCode::CheckExternalModule:
        return "CheckExternalModule";
    case OperationCode::ScanAccessPoints:
        return "ScanAccessPoints";
    case OperationCode::ReadEmulation:
        return "ReadEmulation";
    case OperationCode::SetEmulation:
        return "SetEmulation";
    case OperationCode::ScanBluetooth:
        return "ScanBluetooth";
    case OperationCode::ConnectBluetooth:
        return "ConnectBluetooth";
    case OperationCode::WirelessFactoryDefault:
        return "WirelessFactoryDefault";
    }
    return "Operation" + QByteArray::number(op);
}

} // namespace norvane
