#include "BluetoothCommands.h"

#include "CommandArguments.h"

namespace norvane::sim {

bool BluetoothCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.kind != Command::Kind::Line)
        return false;
    if (command.text == "DIAGNOSTIC REPORT SCANBT") {
        QByteArray answer;
        if (!state.bluetoothModule) {
            answer = "-1\r";
        } else {
            answer = QByteArray::number(state.bluetoothDevices.size()) + '\r';
            for (const auto& [name, address] : state.bluetoothDevices)
                answer += name + ',' + address + '\r';
        }
        replies.append({Frame(answer), true, state.scanTime});
    } else if (command.text.startsWith("BT DMAC ")) {
        state.bluetoothMaster = QuotedValues(command.text).value(0);
    } else {
        return false;
    }
    return true;
}

} // namespace norvane::sim
