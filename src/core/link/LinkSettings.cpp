#include "link/LinkSettings.h"

#include <array>
#include <optional>

namespace norvane {

namespace {

template <std::size_t N> QString textAt(const std::array<const char*, N>& texts, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return {};
    return QString::fromLatin1(texts[static_cast<std::size_t>(index)]);
}

constexpr std::array<const char*, 7> kBaudRateTexts{"2400", "4800", "9600", "19200", "38400", "57600", "115200"};
constexpr std::array<const char*, 3> kParityTexts{"N", "O", "E"};
constexpr std::array<const char*, 2> kDataBitsTexts{"7", "8"};
constexpr std::array<const char*, 3> kStopBitsTexts{"1", "1.5", "2"};
constexpr std::array<const char*, 3> kHardwareHandshakeTexts{"None", "RTS", "RTS/CTS"};
constexpr std::array<const char*, 2> kSoftwareHandshakeTexts{"", "Xon/Xoff"};

} // namespace

QString SerialLinkDisplayText(const SerialLinkSettings& settings)
{
    return QStringLiteral("%1 %2,%3,%4,%5 %6 %7")
        .arg(settings.portName, textAt(kBaudRateTexts, settings.baudRate), textAt(kParityTexts, settings.parity),
             textAt(kDataBitsTexts, settings.dataBits), textAt(kStopBitsTexts, settings.stopBits),
             textAt(kHardwareHandshakeTexts, settings.hardwareHandshake),
             textAt(kSoftwareHandshakeTexts, settings.softwareHandshake));
}

QString ParallelLinkDisplayText(const ParallelLinkSettings& settings)
{
    return settings.portName;
}

bool ParseNetworkTarget(const QString& target, EthernetLinkSettings& ethernet)
{
    QString host = target;
    std::optional<QString> port;
    if (target.startsWith(u'[')) {
        const qsizetype close = target.indexOf(u']');
        if (close < 0)
            return false;
        host = target.mid(1, close - 1);
        const QString rest = target.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(u':'))
            return false;
        if (!rest.isEmpty())
            port = rest.mid(1);
    } else if (target.count(u':') == 1) {
        host = target.section(u':', 0, 0);
        port = target.section(u':', 1);
    }
    if (host.isEmpty())
        return false;
    int number = ethernet.port;
    if (port) {
        bool ok = false;
        number = port->toInt(&ok);
        if (!ok || number < 1 || number > 65535)
            return false;
    }
    ethernet.host = host;
    ethernet.port = number;
    return true;
}

} // namespace norvane
