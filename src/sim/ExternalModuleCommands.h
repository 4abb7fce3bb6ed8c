#pragma once

#include "CommandFamily.h"

#include <QString>

namespace norvane::sim {

/// The printer's side of an external wireless module: entering module mode ("DEBUG 2034,8,7", answered "U")
/// and the access-point search ("DIAGNOSTIC REPORT SCANAP"). COM1's own setting is the serial port's
/// ("SET COM1", a common setting).
class ExternalModuleCommands : public CommandFamily
{
public:
    QList<QByteArray> keys() const override;
    void handle(const Command& command, PrinterState& state, QList<Reply>& replies) override;
};

/// The module's answer to one AT command (without its CR); nothing when no module is there.
QByteArray ModuleAnswer(const QByteArray& command, ExternalModuleState& module);

/// "bluetooth", "wireless" or "none".
bool SetExternalModuleKind(const QString& text, ExternalModuleState& module);

/// SSID=CODE pairs joined by ";" (CODE 1 WEP, 2 WPA, 0 none), or "none" for a module that answers -1.
bool SetAccessPoints(const QString& text, ExternalModuleState& module);

} // namespace norvane::sim
