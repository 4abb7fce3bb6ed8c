#include "UnsendableTextMessage.h"

#include <array>
#include <utility>

namespace norvane::ui {

namespace {

// Each text that goes between the quotes of a command, with the caption it carries on its page.
constexpr std::array<std::pair<QByteArrayView, const char*>, 23> kCaptions{{
    {"zControlPrefix", "Control Prefix"},
    {"zFormatPrefix", "Format Prefix"},
    {"zDelimiter", "Delimiter Char"},
    {"wifiSsid", "WLAN SSID"},
    {"wifiKey", "WLAN Key"},
    {"wifiUsername", "Username"},
    {"wifiPassword", "Password"},
    {"wifiIp", "IP Address"},
    {"wifiMask", "Subnet Mask"},
    {"wifiGateway", "Gateway"},
    {"wifiHostName", "Network Printer Name"},
    {"wifiBand", "Frequency"},
    {"wifiCaCertName", "CA Certificate"},
    {"wifiClientCertName", "User Certificate"},
    {"wifiPrivateKeyName", "Private Key"},
    {"btPinCode", "BT PIN Code"},
    {"btName", "BT Name"},
    {"ftpServer", "FTP Server"},
    {"ftpPath", "FTP Path"},
    {"ftpDescriptionFile", "Description Filename"},
    {"ftpUser", "FTP Username"},
    {"ftpPassword", "FTP Password"},
    {"printerName", "File Name"},
}};

QString caption(QByteArrayView field)
{
    for (const auto& [name, text] : kCaptions) {
        if (name == field)
            return QString::fromLatin1(text);
    }
    return QString::fromLatin1(field);
}

} // namespace

QString UnsendableTextMessage(QByteArrayView field)
{
    return QStringLiteral("\"%1\" holds a double quote or a control character, which the printer's commands cannot "
                          "carry. Nothing was sent.")
        .arg(caption(field));
}

} // namespace norvane::ui
