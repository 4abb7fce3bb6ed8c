#include "BluetoothCommands.h"

#include "CommandArguments.h"

namespace norvane::sim {

QList<QByteArray> BluetoothCommands::keys() const
{
    return {"BT", "DIAGNOSTIC REPORT SCANBT"};
}

void BluetoothCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    const QByteArray& line = command.text;
    if (line == "DIAGNOSTIC REPORT SCANBT") {
        QByteArray answer;
        if (!state.bluetooth.module) {
            answer = "-1\r";
        } else {
            answer = QByteArray::number(state.bluetooth.devices.size()) + '\r';
            for (const auto& [name, address] : state.bluetooth.devices)
                answer += name + ',' + address + '\r';
        }
        replies.append({Frame(answer), true, state.bluetooth.scanTime});
    } else if (line.startsWith("BT DMAC ")) {
        state.bluetooth.master = QuotedValues(line).value(0);
    } else if (line.startsWith("BT PINCODE ")) {
        state.reports["BTPINCODE"] = QuotedValues(line).value(0);
    } else if (line.startsWith("BT NAME ")) {
        state.reports["BTNAME"] = QuotedValues(line).value(0);
    }
}

} // namespace norvane::sim
