#include "WirelessCommands.h"

#include "CliSession.h"
#include "protocol/BluetoothScan.h"
#include "protocol/CommandFormat.h"

namespace norvane::cli {

int BluetoothScanCommand::execute(CliSession& session, const QStringList& arguments)
{
    if (!arguments.isEmpty()) {
        session.err << "usage: norvane-cli [LINK] " << usage() << Qt::endl;
        return kExitUsage;
    }
    BluetoothScanResult result;
    const ResultCode code = session.run<OperationCode::ScanBluetooth>(result, 1);
    if (code != ResultCode::Success)
        return static_cast<int>(code);
    if (!result.moduleFound)
        session.err << "Can't find Bluetooth module!" << Qt::endl;
    for (const BluetoothDevice& device : result.devices)
        session.out << QString::fromLatin1(device.address) << '\t' << QString::fromLatin1(device.name) << '\n';
    session.out.flush();
    return 0;
}

int BluetoothConnectCommand::execute(CliSession& session, const QStringList& arguments)
{
    QByteArray address = arguments.value(0).toLatin1();
    if (arguments.size() != 1 || !QuotableText(address)) {
        session.err << "usage: norvane-cli [LINK] " << usage() << " (ADDR without double quotes or control characters)"
                    << Qt::endl;
        return kExitUsage;
    }
    return static_cast<int>(session.run<OperationCode::ConnectBluetooth>(address));
}

} // namespace norvane::cli
