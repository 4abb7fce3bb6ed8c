#include "protocol/ConfigurationWrite.h"

#include "link/LinkLayer.h"
#include "protocol/ConfigurationPageLines.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {

QList<QByteArray> pageLines(ConfigPageWrite& write, std::int32_t page)
{
    switch (static_cast<ConfigPage>(page)) {
    case ConfigPage::Common:
        return CommonPageLines(write.config);
    case ConfigPage::ZEmulation:
        return ZEmulationPageLines(write.config);
    case ConfigPage::DEmulation:
        return DEmulationPageLines(write.config);
    case ConfigPage::SerialPort:
        return SerialPortPageLines(write.config);
    case ConfigPage::Wireless:
        return WirelessPageLines(write.config, write.certificates);
    case ConfigPage::Bluetooth:
        return BluetoothPageLines(write.config);
    case ConfigPage::FtpUpdate:
        return FtpUpdatePageLines(write.config);
    }
    return {};
}

} // namespace

ResultCode WriteConfigurationPage(const OperationRequest& request)
{
    auto* write = request.recordAs<ConfigPageWrite>();
    if (!write)
        return ResultCode::UnknowError;
    auto link = request.links.OpenLink(request.kind);
    if (!link)
        return ResultCode::PortOpenError;
    for (const QByteArray& line : pageLines(*write, request.extra)) {
        if (SendCommand(*link, line) != ResultCode::Success)
            return ResultCode::DataTransmissionError;
    }
    return ResultCode::Success;
}

} // namespace norvane
