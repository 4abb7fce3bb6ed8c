#include "protocol/EthernetOperations.h"

#include "net/EthernetSettings.h"
#include "protocol/CommandFormat.h"
#include "protocol/LinkedOperation.h"
#include "protocol/ReplyFraming.h"

namespace norvane {

namespace {

/// The address a printer reports while DHCP chooses its address.
constexpr QByteArrayView kDhcpConfiguredAddress = "0.0.0.0";

ResultCode query(PrinterLink& link, const char* key, QByteArray& field)
{
    QByteArray reply;
    const ResultCode result = Exchange(link, "DIAGNOSTIC REPORT " + QByteArray(key) + "\r\n", reply);
    if (result == ResultCode::Success)
        field = SettingsText(reply);
    return result;
}

} // namespace

QByteArray IpSettingsCommand(const EthernetSettings& settings)
{
    if (settings.dhcp == 1)
        return "NET DHCP\r\n";
    return "NET IP " + Quoted(settings.ipAddress, "ipAddress") + ',' + Quoted(settings.subnetMask, "subnetMask") + ',' +
           Quoted(settings.gateway, "gateway") + "\r\n";
}

QByteArray PrinterNameCommand(const EthernetSettings& settings)
{
    return "NET NAME " + Quoted(settings.printerName, "printerName") + "\r\n";
}

ResultCode ReadEthernetSettings(PrinterLink& link, EthernetSettings& settings)
{
    if (const ResultCode announced = Announce(link); announced != ResultCode::Success)
        return announced;
    if (const ResultCode result = query(link, "CONFIGIP", settings.ipAddress); result != ResultCode::Success)
        return result;
    settings.dhcp = settings.ipAddress == kDhcpConfiguredAddress ? 1 : 0;
    for (const auto& [key, field] : {std::pair{"GATEWAY", &settings.gateway}, std::pair{"IPMASK", &settings.subnetMask},
                                     std::pair{"LASTUSEDIP", &settings.lastUsedIp}}) {
        if (const ResultCode result = query(link, key, *field); result != ResultCode::Success)
            return result;
    }
    // Printers without a network name or MAC report still open the dialog, with those rows empty.
    settings.printerName.clear();
    settings.macAddress.clear();
    if (query(link, "NETNAME", settings.printerName) == ResultCode::Success)
        query(link, "MACADDR", settings.macAddress);
    return ResultCode::Success;
}

void RegisterEthernetOperations(CommandDispatcher& dispatcher)
{
    RegisterOverLink<OperationCode::SetIpAddress>(dispatcher, [](PrinterLink& link, const EthernetSettings& settings) {
        return SendCommand(link, IpSettingsCommand(settings));
    });
    RegisterOverLink<OperationCode::SetPrinterName>(dispatcher,
                                                    [](PrinterLink& link, const EthernetSettings& settings) {
                                                        return SendCommand(link, PrinterNameCommand(settings));
                                                    });
    RegisterOverLink<OperationCode::ReadEthernetSettings>(dispatcher, ReadEthernetSettings);
}

} // namespace norvane
