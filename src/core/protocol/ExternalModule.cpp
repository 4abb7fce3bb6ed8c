#include "protocol/ExternalModule.h"

#include "link/LinkLayer.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/CommandFormat.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr QByteArrayView kModuleConfirmation = "\r\n1\r\n";
constexpr QByteArrayView kNamePrefix = "+LN:";

bool collectAnswer(PrinterLink& link, QByteArrayView expected, QByteArray& answer)
{
    std::uint8_t byte = 0;
    while (answer.size() < kModuleAnswerCapacity) {
        if (!link.ReadByte(byte))
            return expected.isEmpty();
        answer += static_cast<char>(byte);
        if (!expected.isEmpty() && answer.contains(expected))
            return true;
    }
    return expected.isEmpty();
}

} // namespace

bool ModuleExchange(LinkLayer& links, InterfaceKind kind, QByteArrayView command, QByteArrayView expected,
                    QByteArray& answer)
{
    answer.clear();
    auto link = links.OpenLink(kind);
    if (!link || !link->WriteLink(command))
        return false;
    return collectAnswer(*link, expected, answer);
}

ResultCode EnterModuleMode(const OperationContext& context)
{
    QByteArray answer;
    if (!ModuleExchange(context.links, context.kind, "SET COM1 115,N,8,1\r\n", {}, answer))
        return ResultCode::DataTransmissionError;
    if (!ModuleExchange(context.links, context.kind, "DEBUG 2034,8,7\r\n", "U", answer))
        return ResultCode::NotSupport;
    return ResultCode::Success;
}

bool ProbeBluetoothModule(LinkLayer& links, InterfaceKind kind)
{
    QByteArray answer;
    return ModuleExchange(links, kind, "\r\rAT+STA\r", "\r\n+STA:1\r\n", answer);
}

ModuleBluetoothSettings ReadModuleBluetooth(LinkLayer& links, InterfaceKind kind)
{
    QByteArray answer;
    // Blank lines first, so the module drops whatever half command it holds.
    ModuleExchange(links, kind, "\r\r\r", {}, answer);
    ModuleExchange(links, kind, "AT+GLN\r", {}, answer);
    return {ParseModuleName(answer), {}};
}

QByteArray ParseModuleName(QByteArrayView answer)
{
    const qsizetype prefix = answer.indexOf(kNamePrefix);
    if (prefix < 0)
        return {};
    const qsizetype start = prefix + kNamePrefix.size();
    qsizetype end = start;
    while (end < answer.size() && answer[end] != '\r' && answer[end] != '\n')
        ++end;
    return answer.sliced(start, std::min(end - start, ModuleBluetoothSettings::kMaxTextLength)).toByteArray();
}

void CheckModuleText(QByteArrayView text, QByteArrayView field)
{
    if (text.size() > ModuleBluetoothSettings::kMaxTextLength)
        throw UnsendableValue(field);
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 || code == 0x7f)
            throw UnsendableValue(field);
    }
}

ResultCode WriteModuleBluetooth(LinkLayer& links, InterfaceKind kind, const ModuleBluetoothSettings& settings)
{
    try {
        CheckModuleText(settings.name, "extBtName");
        CheckModuleText(settings.pinCode, "extBtPinCode");
    } catch (const UnsendableValue&) {
        return ResultCode::UnknowError;
    }
    QByteArray answer;
    if (!ModuleExchange(links, kind, "at+sln=" + settings.name + '\r', kModuleConfirmation, answer) ||
        !ModuleExchange(links, kind, "at+pin=" + settings.pinCode + '\r', kModuleConfirmation, answer))
        return ResultCode::DataTransmissionError;
    return ResultCode::Success;
}

} // namespace norvane
