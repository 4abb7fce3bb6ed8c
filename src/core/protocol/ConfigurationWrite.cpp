#include "protocol/ConfigurationWrite.h"

#include "link/LinkLayer.h"
#include "protocol/CertificateFiles.h"
#include "protocol/CommandFormat.h"
#include "protocol/ConfigurationPageLines.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {

QList<CommandText> withoutSecrets(const QList<QByteArray>& lines)
{
    return {lines.begin(), lines.end()};
}

QList<CommandText> pageLines(PrinterConfig& config, std::int32_t page, const LoadedCertificates& certificates)
{
    switch (static_cast<ConfigPage>(page)) {
    case ConfigPage::Common:
        return withoutSecrets(CommonPageLines(config));
    case ConfigPage::ZEmulation:
        return withoutSecrets(ZEmulationPageLines(config));
    case ConfigPage::DEmulation:
        return withoutSecrets(DEmulationPageLines(config));
    case ConfigPage::SerialPort:
        return withoutSecrets(SerialPortPageLines(config));
    case ConfigPage::Wireless:
        return WirelessPageLines(config, certificates);
    case ConfigPage::Bluetooth:
        return BluetoothPageLines(config);
    case ConfigPage::FtpUpdate:
        return FtpUpdatePageLines(config);
    }
    return {};
}

} // namespace

std::optional<QByteArray> UnsendableTextField(const ConfigPageWrite& write, std::int32_t page)
{
    PrinterConfig config = write.config;
    try {
        pageLines(config, page, CertificateNames(write.certificates));
    } catch (const UnsendableValue& refused) {
        return refused.field();
    }
    return std::nullopt;
}

ResultCode WriteConfigurationPage(const OperationContext& context, ConfigPageWrite& write)
{
    LoadedCertificates certificates;
    QString error;
    if (static_cast<ConfigPage>(context.extra) == ConfigPage::Wireless && write.config.wifiPresent &&
        !LoadCertificates(write.certificates, certificates, error))
        return ResultCode::FileOpenError;
    const QList<CommandText> lines = pageLines(write.config, context.extra, certificates);
    auto link = context.links.OpenLink(context.kind);
    if (!link)
        return ResultCode::PortOpenError;
    for (const CommandText& line : lines) {
        if (SendCommand(*link, line.bytes(), line.secrets()) != ResultCode::Success)
            return ResultCode::DataTransmissionError;
    }
    return ResultCode::Success;
}

} // namespace norvane
