#include "LinkOptions.h"

#include <array>

namespace norvane::cli {

namespace {

/// The position of `value` in `names`, or nothing.
template <std::size_t N> std::optional<int> indexIn(const std::array<const char*, N>& names, const QString& value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (value == QLatin1StringView(names[i]))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

constexpr std::array<const char*, 7> kBaudRates{"2400", "4800", "9600", "19200", "38400", "57600", "115200"};
constexpr std::array<const char*, 2> kDataBits{"7", "8"};
constexpr std::array<const char*, 3> kParities{"none", "odd", "even"};
constexpr std::array<const char*, 3> kStopBits{"1", "1.5", "2"};
constexpr std::array<const char*, 3> kHardwareHandshakes{"none", "rts", "rtscts"};
constexpr std::array<const char*, 2> kSoftwareHandshakes{"none", "xonxoff"};

} // namespace

LinkTimeouts LinkChoice::timeouts() const
{
    LinkTimeouts timeouts;
    if (readTimeout) {
        timeouts.usbRead = *readTimeout;
        timeouts.comRead = *readTimeout;
        timeouts.ethernet = *readTimeout;
    }
    return timeouts;
}

QString TakeLinkOptions(QStringList& arguments, LinkChoice& choice)
{
    SerialLinkSettings& serial = choice.settings.serial;
    while (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QStringLiteral("--usb")) {
            choice.kind = InterfaceKind::Usb;
            continue;
        }
        if (arguments.isEmpty())
            return QStringLiteral("%1 needs a value").arg(option);
        const QString value = arguments.takeFirst();
        const auto setIndex = [&](std::int32_t& field, std::optional<int> index) {
            if (!index)
                return QStringLiteral("%1 does not take %2").arg(option, value);
            field = *index;
            return QString();
        };
        QString error;
        if (option == QStringLiteral("--com")) {
            choice.kind = InterfaceKind::Com;
            serial.portName = value;
        } else if (option == QStringLiteral("--lpt")) {
            choice.kind = InterfaceKind::Lpt;
            choice.settings.parallel.portName = value;
        } else if (option == QStringLiteral("--net")) {
            choice.kind = InterfaceKind::Ethernet;
            if (!ParseNetworkTarget(value, choice.settings.ethernet))
                error = QStringLiteral("--net takes HOST[:PORT], not %1").arg(value);
        } else if (option == QStringLiteral("--baud")) {
            error = setIndex(serial.baudRate, indexIn(kBaudRates, value));
        } else if (option == QStringLiteral("--data")) {
            error = setIndex(serial.dataBits, indexIn(kDataBits, value));
        } else if (option == QStringLiteral("--parity")) {
            error = setIndex(serial.parity, indexIn(kParities, value));
        } else if (option == QStringLiteral("--stop")) {
            error = setIndex(serial.stopBits, indexIn(kStopBits, value));
        } else if (option == QStringLiteral("--hw")) {
            error = setIndex(serial.hardwareHandshake, indexIn(kHardwareHandshakes, value));
        } else if (option == QStringLiteral("--sw")) {
            error = setIndex(serial.softwareHandshake, indexIn(kSoftwareHandshakes, value));
        } else if (option == QStringLiteral("--read-timeout")) {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (ok && ms > 0)
                choice.readTimeout = std::chrono::milliseconds(ms);
            else
                error = QStringLiteral("--read-timeout takes a number of milliseconds, not %1").arg(value);
        } else if (option == QStringLiteral("--usb-root")) {
            choice.usbRoots = UsbDeviceRoots::under(value);
        } else {
            error = QStringLiteral("unknown option %1").arg(option);
        }
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString LinkOptionsHelp()
{
    return QStringLiteral(
        "LINK (default --usb):\n"
        "  --usb                      the first USB printer found (vendor 1203, then 08a6, then 1bd8)\n"
        "  --com NAME                 a serial port: COM1-COM10 = /dev/ttyUSB0-9, COM11-COM20 = /dev/ttyACM0-9,\n"
        "                             COM21-COM30 = /dev/ttyS0-9, or a device path\n"
        "    --baud 2400|4800|9600|19200|38400|57600|115200   (default 9600)\n"
        "    --data 7|8  --parity none|odd|even  --stop 1|1.5|2   (default 8, none, 1)\n"
        "    --hw none|rts|rtscts  --sw none|xonxoff              (default rts, none)\n"
        "  --lpt NAME                 a parallel port: LPT1-LPT4 = /dev/lp0-3, or a device path (write only)\n"
        "  --net HOST[:PORT]          a network printer (port 9100 by default; [IPv6]:PORT)\n"
        "  --read-timeout MS          wait at most MS for each reply (default 3000 USB and serial, 30000 network)\n"
        "  --usb-root DIR             look for USB printers under DIR/sys and DIR/dev (the virtual printer's\n"
        "                             --usb DIR) instead of /sys and /dev\n");
}

} // namespace norvane::cli
