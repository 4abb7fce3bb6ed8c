#include "protocol/ConfigurationWrite.h"

#include "link/LinkLayer.h"
#include "protocol/CommandFormat.h"
#include "protocol/ConfigurationPageLines.h"
#include "protocol/ReplyFraming.h"

#include <QFile>
#include <QFileInfo>

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

std::optional<QByteArray> UnsendableTextField(const ConfigPageWrite& write, std::int32_t page)
{
    const PrinterConfig& c = write.config;
    std::optional<QByteArray> found;
    const auto check = [&](const char* name, const auto& item) {
        if (!found && item.isSet() && !QuotableText(item.text()))
            found = name;
    };
    const auto checkCharacter = [&](const char* name, char character) {
        if (!found && (character == '\r' || character == '\n'))
            found = name;
    };
    const auto checkCertificate = [&](const char* name, const QString& path) {
        if (!found && !QuotableText(QFile::encodeName(QFileInfo(path).fileName())))
            found = name;
    };
    switch (static_cast<ConfigPage>(page)) {
    case ConfigPage::ZEmulation:
        checkCharacter("zControlPrefix", c.zControlPrefix.value);
        checkCharacter("zFormatPrefix", c.zFormatPrefix.value);
        checkCharacter("zDelimiter", c.zDelimiter.value);
        break;
    case ConfigPage::Wireless:
        check("wifiSsid", c.wifiSsid);
        check("wifiKey", c.wifiKey);
        check("wifiUsername", c.wifiUsername);
        check("wifiPassword", c.wifiPassword);
        check("wifiIp", c.wifiIp);
        check("wifiMask", c.wifiMask);
        check("wifiGateway", c.wifiGateway);
        check("wifiHostName", c.wifiHostName);
        check("wifiBand", c.wifiBand);
        checkCertificate("wifiCaCertName", write.certificates.ca);
        checkCertificate("wifiClientCertName", write.certificates.client);
        checkCertificate("wifiPrivateKeyName", write.certificates.privateKey);
        break;
    case ConfigPage::Bluetooth:
        check("btPinCode", c.btPinCode);
        check("btName", c.btName);
        break;
    case ConfigPage::FtpUpdate:
        check("ftpServer", c.ftpServer);
        check("ftpPath", c.ftpPath);
        check("ftpDescriptionFile", c.ftpDescriptionFile);
        check("ftpUser", c.ftpUser);
        check("ftpPassword", c.ftpPassword);
        break;
    default:
        break;
    }
    return found;
}

ResultCode WriteConfigurationPage(const OperationRequest& request)
{
    auto* write = request.recordAs<ConfigPageWrite>();
    if (!write || UnsendableTextField(*write, request.extra))
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
