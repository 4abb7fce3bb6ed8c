#pragma once

#include "link/InterfaceKind.h"
#include "protocol/ResultCode.h"

#include <QByteArray>
#include <QByteArrayView>

namespace norvane {

class LinkLayer;
struct OperationContext;

/// The Bluetooth identity of a module on the printer's COM1, as its AT commands carry it.
struct ModuleBluetoothSettings
{
    /// The module's texts end at a CR, so control bytes are refused; 31 bytes is what the configuration
    /// record holds of each.
    static constexpr qsizetype kMaxTextLength = 31;

    QByteArray name;
    QByteArray pinCode;
};

/// The answer a module exchange collects is bounded: a peer that streams without ever giving the expected
/// text fails once this much has come.
inline constexpr qsizetype kModuleAnswerCapacity = 1024;

/// One exchange with the module over a fresh link: writes `command`, then reads byte by byte until the answer
/// holds `expected`, or, with nothing expected, until a read times out (or the answer buffer is full). False
/// when the link does not open, the write fails, or the expected text does not come.
bool ModuleExchange(LinkLayer& links, InterfaceKind kind, QByteArrayView command, QByteArrayView expected,
                    QByteArray& answer);

/// Operation 26: sets the printer's COM1 to 115200,N,8,1 (2 when that fails) and enters module mode, which the
/// printer confirms with "U" (6 when it does not).
ResultCode EnterModuleMode(const OperationContext& context);

/// Whether a Bluetooth module answers behind the printer.
bool ProbeBluetoothModule(LinkLayer& links, InterfaceKind kind);

/// The module's Bluetooth name, with an empty PIN code (the module does not tell it).
ModuleBluetoothSettings ReadModuleBluetooth(LinkLayer& links, InterfaceKind kind);

/// The name in the module's "+LN:" answer, up to its line end; empty when the answer has none.
QByteArray ParseModuleName(QByteArrayView answer);

/// Writes name and PIN code, each confirmed by the module: 0, 2 when either is not confirmed, 5 (nothing sent)
/// for a text the module's commands cannot carry.
ResultCode WriteModuleBluetooth(LinkLayer& links, InterfaceKind kind, const ModuleBluetoothSettings& settings);

/// Throws UnsendableValue for a text that would end the module's command early or that the record cannot hold.
void CheckModuleText(QByteArrayView text, QByteArrayView field);

} // namespace norvane
