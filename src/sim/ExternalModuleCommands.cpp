#include "ExternalModuleCommands.h"

namespace norvane::sim {

namespace {

constexpr const char* kConfirmed = "\r\n1\r\n";
constexpr const char* kError = "\r\nERROR\r\n";

QByteArray accessPointAnswer(const ExternalModuleState& module)
{
    if (module.kind == ExternalModuleState::Kind::None || !module.searchesAccessPoints)
        return "-1\r";
    QByteArray answer = QByteArray::number(module.accessPoints.size()) + '\r';
    for (const auto& [ssid, security] : module.accessPoints)
        answer += ssid + ',' + QByteArray::number(security) + ",-50\r";
    return answer;
}

} // namespace

QList<QByteArray> ExternalModuleCommands::keys() const
{
    return {"DEBUG", "DIAGNOSTIC REPORT SCANAP"};
}

void ExternalModuleCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    if (command.text == "DEBUG 2034,8,7") {
        state.externalModule.moduleMode = true;
        replies.append({"U"});
    } else if (command.text == "DIAGNOSTIC REPORT SCANAP") {
        replies.append({Frame(accessPointAnswer(state.externalModule)), true, state.externalModule.scanTime});
    }
}

QByteArray ModuleAnswer(const QByteArray& command, ExternalModuleState& module)
{
    module.atCommands.append(command);
    if (module.kind == ExternalModuleState::Kind::None)
        return {};
    const bool bluetooth = module.kind == ExternalModuleState::Kind::Bluetooth;
    const QByteArray upper = command.toUpper();
    if (upper == "AT+STA")
        return bluetooth ? "\r\n+STA:1\r\n" : kError;
    if (upper == "AT+GLN" && bluetooth)
        return "\r\n+LN:" + module.bluetoothName + "\r\n";
    if (upper.startsWith("AT+SLN=") && bluetooth) {
        module.bluetoothName = command.mid(7);
        return kConfirmed;
    }
    if (upper.startsWith("AT+PIN=") && bluetooth) {
        module.pinCode = command.mid(7);
        return kConfirmed;
    }
    return kError;
}

bool SetExternalModuleKind(const QString& text, ExternalModuleState& module)
{
    if (text == QStringLiteral("bluetooth"))
        module.kind = ExternalModuleState::Kind::Bluetooth;
    else if (text == QStringLiteral("wireless"))
        module.kind = ExternalModuleState::Kind::Wireless;
    else if (text == QStringLiteral("none"))
        module.kind = ExternalModuleState::Kind::None;
    else
        return false;
    return true;
}

bool SetAccessPoints(const QString& text, ExternalModuleState& module)
{
    module.accessPoints.clear();
    module.searchesAccessPoints = text != QStringLiteral("none");
    if (!module.searchesAccessPoints)
        return true;
    for (const QString& entry : text.split(u';', Qt::SkipEmptyParts)) {
        bool ok = false;
        const std::int32_t security = entry.section(u'=', -1).toInt(&ok);
        if (!ok || !entry.contains(u'='))
            return false;
        module.accessPoints.append({entry.section(u'=', 0, -2).toLatin1(), security});
    }
    return true;
}

} // namespace norvane::sim
