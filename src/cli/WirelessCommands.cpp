#include "WirelessCommands.h"

#include "CliSession.h"
#include "PrinterText.h"
#include "protocol/BluetoothScan.h"
#include "protocol/CommandFormat.h"

namespace norvane::cli {

int BluetoothScanCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty()) {
        session.err << "norvane-cli: bt-scan takes no arguments" << Qt::endl;
        return kExitUsage;
    }
    BluetoothScanResult result;
    const ResultCode code = session.run<OperationCode::ScanBluetooth>(result, 1);
    if (code != ResultCode::Success)
        return static_cast<int>(code);
    if (!result.moduleFound)
        session.err << "Can't find Bluetooth module!" << Qt::endl;
    for (const BluetoothDevice& device : result.devices)
        session.out << TerminalText(device.address) << '\t' << TerminalText(device.name) << '\n';
    session.out.flush();
    return 0;
}

int BluetoothConnectCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    std::optional<QByteArray> address = PrinterBytes(words.value(0));
    if (words.size() != 1 || !address || !QuotableText(*address)) {
        session.err << "norvane-cli: bt-connect takes one Latin-1 ADDR without double quotes or control characters"
                    << Qt::endl;
        return kExitUsage;
    }
    return static_cast<int>(session.run<OperationCode::ConnectBluetooth>(*address));
}

} // namespace norvane::cli
