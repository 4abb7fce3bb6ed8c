#include "LinkOptions.h"

#include <QHash>
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

/// "a|b|c": the value name that shows every choice.
template <std::size_t N> QString choices(const std::array<const char*, N>& names)
{
    QStringList list;
    for (const char* name : names)
        list << QLatin1StringView(name);
    return list.join(u'|');
}

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

QList<QCommandLineOption> LinkOptions()
{
    return {
        {QStringLiteral("usb"), QStringLiteral("the first USB printer found (vendor 1203, then 08a6, then 1bd8);\n"
                                               "the default")},
        {QStringLiteral("com"),
         QStringLiteral("a serial port: COM1-COM10 = /dev/ttyUSB0-9, COM11-COM20 = /dev/ttyACM0-9,\n"
                        "COM21-COM30 = /dev/ttyS0-9, or a device path"),
         QStringLiteral("NAME")},
        {QStringLiteral("baud"), QStringLiteral("serial speed (default 9600)"), choices(kBaudRates)},
        {QStringLiteral("data"), QStringLiteral("serial data bits (default 8)"), choices(kDataBits)},
        {QStringLiteral("parity"), QStringLiteral("serial parity (default none)"), choices(kParities)},
        {QStringLiteral("stop"), QStringLiteral("serial stop bits (default 1)"), choices(kStopBits)},
        {QStringLiteral("hw"), QStringLiteral("serial hardware handshake (default rts)"), choices(kHardwareHandshakes)},
        {QStringLiteral("sw"), QStringLiteral("serial software handshake (default none)"),
         choices(kSoftwareHandshakes)},
        {QStringLiteral("lpt"),
         QStringLiteral("a parallel port: LPT1-LPT4 = /dev/lp0-3, or a device path (write only)"),
         QStringLiteral("NAME")},
        {QStringLiteral("net"), QStringLiteral("a network printer (port 9100 by default; [IPv6]:PORT)"),
         QStringLiteral("HOST[:PORT]")},
        {QStringLiteral("read-timeout"),
         QStringLiteral("wait at most MS for each reply (default 3000 USB and serial,\n30000 network)"),
         QStringLiteral("MS")},
        {QStringLiteral("usb-root"),
         QStringLiteral("look for USB printers under DIR/sys and DIR/dev (the virtual printer's\n"
                        "--usb DIR) instead of /sys and /dev"),
         QStringLiteral("DIR")},
        {QStringLiteral("password"),
         QStringLiteral("the printer's current password, for the commands that change it;\n"
                        "it shows in the process list: scripts give it in NORVANE_PASSWORD\n"
                        "or with --printer-password-file instead"),
         QStringLiteral("TEXT")},
        {QStringLiteral("discovery-target"),
         QStringLiteral("send network discovery requests to HOST:PORT (an IPv4 address) instead of\n"
                        "broadcasting them: a printer on another subnet, or a virtual one"),
         QStringLiteral("HOST:PORT")},
        {QStringLiteral("trace"),
         QStringLiteral("write every byte sent to and received from the printer to FILE, one\n"
                        "line per write or reply; passwords, keys and certificates show only\n"
                        "as their length"),
         QStringLiteral("FILE")},
    };
}

QString ApplyLinkOptions(const QCommandLineParser& parser, LinkChoice& choice)
{
    SerialLinkSettings& serial = choice.settings.serial;
    // An option given twice has its values in order; count how many of each are used.
    QHash<QString, qsizetype> taken;
    for (const QString& option : parser.optionNames()) {
        if (option == QStringLiteral("usb")) {
            choice.kind = InterfaceKind::Usb;
            continue;
        }
        const QStringList values = parser.values(option);
        const qsizetype index = taken[option]++;
        if (index >= values.size())
            continue;
        const QString& value = values[index];
        const QString spelled = QStringLiteral("--") + option;
        const auto setIndex = [&](std::int32_t& field, std::optional<int> found) {
            if (!found)
                return QStringLiteral("%1 does not take %2").arg(spelled, value);
            field = *found;
            return QString();
        };
        QString error;
        if (option == QStringLiteral("com")) {
            choice.kind = InterfaceKind::Com;
            serial.portName = value;
        } else if (option == QStringLiteral("lpt")) {
            choice.kind = InterfaceKind::Lpt;
            choice.settings.parallel.portName = value;
        } else if (option == QStringLiteral("net")) {
            choice.kind = InterfaceKind::Ethernet;
            if (!ParseNetworkTarget(value, choice.settings.ethernet))
                error = QStringLiteral("--net takes HOST[:PORT], not %1").arg(value);
        } else if (option == QStringLiteral("baud")) {
            error = setIndex(serial.baudRate, indexIn(kBaudRates, value));
        } else if (option == QStringLiteral("data")) {
            error = setIndex(serial.dataBits, indexIn(kDataBits, value));
        } else if (option == QStringLiteral("parity")) {
            error = setIndex(serial.parity, indexIn(kParities, value));
        } else if (option == QStringLiteral("stop")) {
            error = setIndex(serial.stopBits, indexIn(kStopBits, value));
        } else if (option == QStringLiteral("hw")) {
            error = setIndex(serial.hardwareHandshake, indexIn(kHardwareHandshakes, value));
        } else if (option == QStringLiteral("sw")) {
            error = setIndex(serial.softwareHandshake, indexIn(kSoftwareHandshakes, value));
        } else if (option == QStringLiteral("read-timeout")) {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (ok && ms > 0)
                choice.readTimeout = std::chrono::milliseconds(ms);
            else
                error = QStringLiteral("--read-timeout takes a number of milliseconds, not %1").arg(value);
        } else if (option == QStringLiteral("usb-root")) {
            choice.usbRoots = UsbDeviceRoots::under(value);
        } else if (option == QStringLiteral("password")) {
            choice.password = value;
        } else if (option == QStringLiteral("trace")) {
            choice.traceFile = value;
        } else if (option == QStringLiteral("discovery-target")) {
            if (const auto targets = DiscoveryTargetsFor(value))
                choice.discoveryTargets = *targets;
            else
                error = QStringLiteral("--discovery-target takes IPV4-ADDRESS:PORT, not %1").arg(value);
        }
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace norvane::cli
