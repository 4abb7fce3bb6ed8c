#include "NetworkCommands.h"

#include "CommandArguments.h"

namespace norvane::sim {

namespace {
const QByteArray kReportPrefix = "DIAGNOSTIC REPORT ";
} // namespace

QList<QByteArray> NetworkCommands::keys() const
{
    QList<QByteArray> keys{"NET"};
    for (const char* report : {"CONFIGIP", "GATEWAY", "IPMASK", "LASTUSEDIP", "NETNAME", "MACADDR"})
        keys.append(kReportPrefix + report);
    return keys;
}

void NetworkCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    NetworkState& network = state.network;
    const QByteArray& line = command.text;
    if (line == "NET DHCP") {
        network.dhcp = true;
    } else if (line.startsWith("NET IP ")) {
        const QList<QByteArray> values = QuotedValues(line);
        if (values.size() != 3) {
            state.remark("refused: three addresses expected");
            return;
        }
        network.dhcp = false;
        network.address = values[0];
        network.mask = values[1];
        network.gateway = values[2];
    } else if (line.startsWith("NET NAME ")) {
        network.name = QuotedValues(line).value(0);
    } else if (line.startsWith(kReportPrefix)) {
        const QByteArray key = line.mid(kReportPrefix.size());
        QByteArray answer;
        if (key == "CONFIGIP")
            answer = network.dhcp ? "0.0.0.0" : network.address;
        else if (key == "GATEWAY")
            answer = network.gateway;
        else if (key == "IPMASK")
            answer = network.mask;
        else if (key == "LASTUSEDIP")
            answer = network.addressInUse();
        else if (key == "NETNAME" && network.reportsName)
            answer = network.name;
        else if (key == "MACADDR")
            answer = norvane::FormatMacAddress(network.mac);
        else
            return;
        replies.append({Frame(answer), true});
    }
}

} // namespace norvane::sim
