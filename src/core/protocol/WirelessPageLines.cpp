#include "protocol/ConfigurationPageLines.h"

#include "protocol/CommandFormat.h"
#include "protocol/WirelessRules.h"

#include <tuple>

namespace norvane {

namespace {

constexpr auto kWpaPersonal = static_cast<std::int32_t>(WifiSecurity::WpaPersonal);
constexpr auto kWpaEnterprise = static_cast<std::int32_t>(WifiSecurity::WpaEnterprise);

/// The line "DLCERT n,"name",size," followed by the file's bytes and CR LF.
CommandText certificateLine(char number, const QByteArray& name, const QByteArray& contents, const char* field)
{
    return QByteArray("DLCERT ") + number + ',' + Quoted(name, field) + ',' + QByteArray::number(contents.size()) +
           ',' + CommandText::secret(contents) + "\r\n";
}

} // namespace

QList<CommandText> WirelessPageLines(PrinterConfig& c, const LoadedCertificates& certificates)
{
    if (!c.wifiPresent)
        return {};
    const auto number = [](std::int32_t value) {
        return QByteArray::number(value);
    };
    // Most lines go out in an empty form when their item is not set, so the printer forgets the old value.
    const auto textOrEmpty = [](const auto& item, const char* field) {
        return Quoted(item.isSet() ? item.text() : QByteArray(), field);
    };
    const bool securitySet = c.wifiSecurity.isSet();
    const std::int32_t security = c.wifiSecurity.value;

    QList<CommandText> lines;
    lines << "WLAN SSID " + textOrEmpty(c.wifiSsid, "wifiSsid") + "\r\n";
    if (securitySet) {
        if (IsWepSecurity(security))
            lines << "WLAN SECURI WEP" + number(security) + "\r\n";
        else if (security == kWpaPersonal)
            lines << "WLAN SECURI WPAPSK\r\n";
        else if (security == kWpaEnterprise)
            lines << "WLAN SECURI WPAEAP\r\n";
        else
            lines << "WLAN SECURI NONE\r\n";
    }
    if (securitySet && security == kWpaPersonal)
        lines << "WLAN WPA " + SecretQuoted(c.wifiKey.text(), "wifiKey") + "\r\n";
    else
        lines << "WLAN WPA \"\"\r\n";
    if (c.wifiKey.isSet() && securitySet && IsWepSecurity(security))
        lines << "WLAN WEP" + number(security) + ' ' + SecretQuoted(c.wifiKey.text(), "wifiKey") + "\r\n";
    else
        lines << "WLAN WEP1 \"\"\r\n";
    if (securitySet && security == kWpaEnterprise) {
        lines << "WLAN EAP " + number(EapTypeNumber(c.wifiEap.value)) + ',' + number(EapInnerMethod(c.wifiEap.value)) +
                     ',' + Quoted(c.wifiUsername.text(), "wifiUsername") + ',' +
                     SecretQuoted(c.wifiPassword.text(), "wifiPassword") + "\r\n";
    } else {
        lines << "WLAN EAP 0,0,\"\",\"\"\r\n";
    }

    const std::tuple<const LoadedCertificate&, TextField<16>&, const char*> files[] = {
        {certificates[0], c.wifiCaCertName, "wifiCaCertName"},
        {certificates[1], c.wifiClientCertName, "wifiClientCertName"},
        {certificates[2], c.wifiPrivateKeyName, "wifiPrivateKeyName"}};
    char certificateNumber = '1';
    for (const auto& [certificate, name, field] : files) {
        if (!certificate.name.isEmpty()) {
            // The record's field keeps 15 bytes; the printer stores the file under the name as kept.
            name.setText(certificate.name);
            lines << certificateLine(certificateNumber, name.text(), certificate.contents, field);
        }
        ++certificateNumber;
    }

    if (c.wifiIp.isSet()) {
        if (c.wifiIp.text() == "0.0.0.0")
            lines << "WLAN DHCP\r\n";
        else if (c.wifiGateway.isSet())
            lines << "WLAN IP " + Quoted(c.wifiIp.text(), "wifiIp") + ',' + Quoted(c.wifiMask.text(), "wifiMask") +
                         ',' + Quoted(c.wifiGateway.text(), "wifiGateway") + "\r\n";
    }
    lines << "WLAN HOSTNAME " + textOrEmpty(c.wifiHostName, "wifiHostName") + "\r\n";
    lines << "WLAN RF " + textOrEmpty(c.wifiBand, "wifiBand") + "\r\n";
    if (c.wifiRoamTrigger.isSet() || c.wifiRoamDelta.isSet())
        lines << "WLAN ROAM " + Quoted(number(c.wifiRoamTrigger.value), "wifiRoamTrigger") + ',' +
                     Quoted(number(c.wifiRoamDelta.value), "wifiRoamDelta") + "\r\n";
    else
        lines << "WLAN ROAM \"\",\"\"\r\n";
    lines << "WLAN PORT " + Quoted(c.wifiRawPort.isSet() ? number(c.wifiRawPort.value) : QByteArray(), "wifiRawPort") +
                 "\r\n";
    return lines;
}

} // namespace norvane
