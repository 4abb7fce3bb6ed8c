#include "protocol/ConfigurationPageLines.h"

#include "protocol/CommandFormat.h"

#include <QFile>
#include <QFileInfo>

namespace norvane {

namespace {

constexpr std::int32_t kWpaPersonal = 5;
constexpr std::int32_t kWpaEnterprise = 6;

bool isWepKeyIndex(std::int32_t security)
{
    return security >= 1 && security <= 4;
}

/// The line "DLCERT n,"name",size," followed by the file's bytes and CR LF. Stores the file's name
/// (without folder) into the record, or empties it when the file cannot be read. A file larger than
/// the printer's usual certificates is still sent whole.
QByteArray certificateLine(char number, const QString& path, TextField<16>& name)
{
    QFile file(path);
    const QByteArray contents = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        name.setText({});
        return {};
    }
    name.setText(QFile::encodeName(QFileInfo(path).fileName()));
    return QByteArray("DLCERT ") + number + ',' + Quoted(name.text()) + ',' + QByteArray::number(contents.size()) +
           ',' + contents + "\r\n";
}

} // namespace

QList<QByteArray> WirelessPageLines(PrinterConfig& c, const CertificatePaths& certificates)
{
    if (!c.wifiPresent)
        return {};
    const auto number = [](std::int32_t value) {
        return QByteArray::number(value);
    };
    // Most lines go out in an empty form when their item is not set, so the printer forgets the old value.
    const auto textOrEmpty = [](const auto& item) {
        return Quoted(item.isSet() ? item.text() : QByteArray());
    };
    const bool securitySet = c.wifiSecurity.isSet();
    const std::int32_t security = c.wifiSecurity.value;

    QList<QByteArray> lines;
    lines << "WLAN SSID " + textOrEmpty(c.wifiSsid) + "\r\n";
    if (securitySet) {
        if (isWepKeyIndex(security))
            lines << "WLAN SECURI WEP" + number(security) + "\r\n";
        else if (security == kWpaPersonal)
            lines << "WLAN SECURI WPAPSK\r\n";
        else if (security == kWpaEnterprise)
            lines << "WLAN SECURI WPAEAP\r\n";
        else
            lines << "WLAN SECURI NONE\r\n";
    }
    if (securitySet && security == kWpaPersonal)
        lines << "WLAN WPA " + Quoted(c.wifiKey.text()) + "\r\n";
    else
        lines << "WLAN WPA \"\"\r\n";
    if (c.wifiKey.isSet() && securitySet && isWepKeyIndex(security))
        lines << "WLAN WEP" + number(security) + ' ' + Quoted(c.wifiKey.text()) + "\r\n";
    else
        lines << "WLAN WEP1 \"\"\r\n";
    if (securitySet && security == kWpaEnterprise) {
        const std::int32_t eapType = c.wifiEap.value >> 4;
        const std::int32_t eapDetail = (c.wifiEap.value & 0x0F) != 0 ? (c.wifiEap.value & 0x0F) : 1;
        lines << "WLAN EAP " + number(eapType) + ',' + number(eapDetail) + ',' + Quoted(c.wifiUsername.text()) + ',' +
                     Quoted(c.wifiPassword.text()) + "\r\n";
    } else {
        lines << "WLAN EAP 0,0,\"\",\"\"\r\n";
    }

    const std::pair<const QString&, TextField<16>&> files[] = {{certificates.ca, c.wifiCaCertName},
                                                               {certificates.client, c.wifiClientCertName},
                                                               {certificates.privateKey, c.wifiPrivateKeyName}};
    char certificateNumber = '1';
    for (const auto& [path, name] : files) {
        if (!path.isEmpty()) {
            if (const QByteArray line = certificateLine(certificateNumber, path, name); !line.isEmpty())
                lines << line;
        }
        ++certificateNumber;
    }

    if (c.wifiIp.isSet()) {
        if (c.wifiIp.text() == "0.0.0.0")
            lines << "WLAN DHCP\r\n";
        else if (c.wifiGateway.isSet())
            lines << "WLAN IP " + Quoted(c.wifiIp.text()) + ',' + Quoted(c.wifiMask.text()) + ',' +
                         Quoted(c.wifiGateway.text()) + "\r\n";
    }
    lines << "WLAN HOSTNAME " + textOrEmpty(c.wifiHostName) + "\r\n";
    lines << "WLAN RF " + textOrEmpty(c.wifiBand) + "\r\n";
    if (c.wifiRoamTrigger.isSet() || c.wifiRoamDelta.isSet())
        lines << "WLAN ROAM " + Quoted(number(c.wifiRoamTrigger.value)) + ',' + Quoted(number(c.wifiRoamDelta.value)) +
                     "\r\n";
    else
        lines << "WLAN ROAM \"\",\"\"\r\n";
    lines << "WLAN PORT " + Quoted(c.wifiRawPort.isSet() ? number(c.wifiRawPort.value) : QByteArray()) + "\r\n";
    return lines;
}

} // namespace norvane
