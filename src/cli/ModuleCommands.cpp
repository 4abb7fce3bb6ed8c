#include "ModuleCommands.h"

#include "CliSession.h"
#include "PrinterText.h"
#include "protocol/AccessPointScan.h"
#include "protocol/CommandFormat.h"
#include "protocol/ExternalModule.h"

namespace norvane::cli {

namespace {

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

int enter(CliSession& session)
{
    if (const ResultCode result = session.run(OperationCode::CheckExternalModule); result != ResultCode::Success)
        return static_cast<int>(result);
    if (!ProbeBluetoothModule(*session.links, session.kind)) {
        session.out << "other" << Qt::endl;
        return 0;
    }
    const ModuleBluetoothSettings module = ReadModuleBluetooth(*session.links, session.kind);
    session.out << "bluetooth\t" << TerminalText(module.name) << Qt::endl;
    return 0;
}

int setBluetooth(CliSession& session, const QStringList& words)
{
    const std::optional<QByteArray> name = PrinterBytes(words.value(1));
    const std::optional<QByteArray> pinCode = PrinterBytes(words.value(2));
    if (words.size() != 3 || !name || !pinCode)
        return usageError(session, QStringLiteral("ext-module set-bt takes a Latin-1 NAME and PIN"));
    try {
        CheckModuleText(*name, "NAME");
        CheckModuleText(*pinCode, "PIN");
    } catch (const UnsendableValue& refused) {
        return usageError(session, QStringLiteral("%1 takes at most %2 characters and no control characters")
                                       .arg(QLatin1StringView(refused.field()))
                                       .arg(ModuleBluetoothSettings::kMaxTextLength));
    }
    const ResultCode result = WriteModuleBluetooth(*session.links, session.kind, {*name, *pinCode});
    if (result != ResultCode::Success)
        session.err << ResultMessage(result) << Qt::endl;
    return static_cast<int>(result);
}

} // namespace

QString ExternalModuleCommand::details() const
{
    return QStringLiteral(
        "enter   sets the printer's COM1 to 115200,N,8,1 and enters module mode (6 Not Support when the\n"
        "        printer does not confirm), then asks for a Bluetooth module: prints \"bluetooth<TAB>NAME\",\n"
        "        or \"other\" when no Bluetooth module answers\n"
        "exit    leaves module mode by resetting the printer\n"
        "set-bt  writes the Bluetooth module's name and PIN code (in module mode; 2 when the module does not\n"
        "        confirm them)\n");
}

int ExternalModuleCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    if (action == QStringLiteral("set-bt"))
        return setBluetooth(session, words);
    if (words.size() != 1)
        return usageError(session, QStringLiteral("ext-module takes enter, exit or set-bt NAME PIN"));
    if (action == QStringLiteral("enter"))
        return enter(session);
    if (action == QStringLiteral("exit"))
        return static_cast<int>(session.run(OperationCode::ResetPrinter));
    return usageError(session, QStringLiteral("ext-module takes enter, exit or set-bt NAME PIN"));
}

int AccessPointScanCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    if (!arguments.positionalArguments().isEmpty())
        return usageError(session, QStringLiteral("ap-scan takes no arguments"));
    AccessPointScanResult result;
    if (const ResultCode code = session.run<OperationCode::ScanAccessPoints>(result); code != ResultCode::Success)
        return static_cast<int>(code);
    if (!result.moduleFound)
        session.err << "Can't find external module!" << Qt::endl;
    for (const AccessPoint& accessPoint : DistinctAccessPoints(result.accessPoints))
        session.out << TerminalText(accessPoint.ssid) << '\t' << SecurityName(accessPoint.security) << '\n';
    session.out.flush();
    return 0;
}

} // namespace norvane::cli
