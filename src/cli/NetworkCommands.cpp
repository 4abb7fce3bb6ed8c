#include "NetworkCommands.h"

#include "CliSession.h"
#include "PasswordGate.h"
#include "PrinterText.h"
#include "net/DiscoveryClient.h"
#include "net/EthernetSettings.h"
#include "net/NetAddress.h"
#include "protocol/CommandFormat.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace norvane::cli {

namespace {

constexpr QLatin1StringView kDhcpOption("dhcp");
constexpr QLatin1StringView kIpOption("ip");
constexpr QLatin1StringView kMaskOption("mask");
constexpr QLatin1StringView kGatewayOption("gateway");
constexpr QLatin1StringView kNameOption("name");
constexpr QLatin1StringView kJsonOption("json");
constexpr QLatin1StringView kPasswordFileOption("printer-password-file");

int usageError(CliSession& session, const QString& message)
{
    session.err << "norvane-cli: " << message << Qt::endl;
    return kExitUsage;
}

/// One JSON value, written as the JSON writer writes it.
QByteArray jsonValue(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

/// A JSON object with its members in the given order.
QString jsonObject(const QList<std::pair<const char*, QJsonValue>>& members)
{
    QByteArray text = "{";
    for (const auto& [key, value] : members) {
        if (text.size() > 1)
            text += ", ";
        text += '"' + QByteArray(key) + "\": " + jsonValue(value);
    }
    return QString::fromUtf8(JsonWithEscapedControls(text + '}'));
}

QJsonValue latin1(const QByteArray& text)
{
    return QString::fromLatin1(text);
}

QList<std::pair<const char*, QJsonValue>> settingsMembers(const EthernetSettings& settings, bool withLastUsed)
{
    QList<std::pair<const char*, QJsonValue>> members{{"dhcp", settings.dhcp == 1},
                                                      {"ipAddress", latin1(settings.ipAddress)},
                                                      {"subnetMask", latin1(settings.subnetMask)},
                                                      {"gateway", latin1(settings.gateway)}};
    if (withLastUsed)
        members.append({"lastUsedIp", latin1(settings.lastUsedIp)});
    members.append({"printerName", latin1(settings.printerName)});
    members.append({"macAddress", latin1(settings.macAddress)});
    return members;
}

/// Dotted decimal exactly as it will be read back, so a typo cannot become another address.
bool isIpv4(const QString& text)
{
    return FormatIpv4(ParseIpv4(text.toLatin1())) == text.toLatin1();
}

/// Takes --dhcp or the three addresses into `settings`; an error text when they are mixed, missing or
/// malformed. `required`: one of the two forms must be given.
QString takeAddressOptions(const QCommandLineParser& arguments, EthernetSettings& settings, bool required)
{
    const bool anyAddress =
        arguments.isSet(kIpOption) || arguments.isSet(kMaskOption) || arguments.isSet(kGatewayOption);
    if (arguments.isSet(kDhcpOption)) {
        if (anyAddress)
            return QStringLiteral("--dhcp cannot go with --ip, --mask or --gateway");
        settings.dhcp = 1;
        return {};
    }
    if (!anyAddress)
        return required ? QStringLiteral("give --dhcp, or --ip, --mask and --gateway") : QString();
    if (!arguments.isSet(kIpOption) || !arguments.isSet(kMaskOption) || !arguments.isSet(kGatewayOption))
        return QStringLiteral("--ip, --mask and --gateway go together");
    for (const QLatin1StringView option : {kIpOption, kMaskOption, kGatewayOption}) {
        if (!isIpv4(arguments.value(option)))
            return QStringLiteral("--%1 takes an IPv4 address such as 192.168.1.100, not %2")
                .arg(option, arguments.value(option));
    }
    settings.dhcp = 0;
    settings.ipAddress = arguments.value(kIpOption).toLatin1();
    settings.subnetMask = arguments.value(kMaskOption).toLatin1();
    settings.gateway = arguments.value(kGatewayOption).toLatin1();
    return {};
}

/// A network name the printer takes: at most 15 Latin-1 characters that fit between its quotes.
std::optional<QByteArray> networkName(const QString& text)
{
    const std::optional<QByteArray> name = PrinterBytes(text);
    if (!name || name->size() > EthernetSettings::kMaxPrinterNameLength || !QuotableText(*name))
        return std::nullopt;
    return name;
}

const QString kNameRule = QStringLiteral("a network name has at most 15 Latin-1 characters, without double quotes "
                                         "or control characters");

const QList<QLatin1StringView> kNetOptions{kDhcpOption, kIpOption, kMaskOption, kGatewayOption, kPasswordFileOption};
const QList<QLatin1StringView> kDiscoverOptions{kJsonOption, kNameOption, kDhcpOption,
                                                kIpOption,   kMaskOption, kGatewayOption};

/// The first of the command's options that was given but the action does not take, or an empty text.
QString foreignOption(const QCommandLineParser& arguments, const QList<QLatin1StringView>& defined,
                      const QList<QLatin1StringView>& taken)
{
    for (const QLatin1StringView option : defined) {
        if (arguments.isSet(option) && !taken.contains(option))
            return QStringLiteral("--") + option;
    }
    return {};
}

int netRead(CliSession& session)
{
    EthernetSettings settings;
    if (const ResultCode result = session.run<OperationCode::ReadEthernetSettings>(settings);
        result != ResultCode::Success)
        return static_cast<int>(result);
    session.out << jsonObject(settingsMembers(settings, true)) << Qt::endl;
    return 0;
}

int netSetIp(CliSession& session, const QCommandLineParser& arguments)
{
    EthernetSettings settings;
    if (const QString error = takeAddressOptions(arguments, settings, true); !error.isEmpty())
        return usageError(session, error);
    if (const int gate = PassPasswordGate(session, arguments); gate != 0)
        return gate;
    return static_cast<int>(session.run<OperationCode::SetIpAddress>(settings));
}

int netSetName(CliSession& session, const QCommandLineParser& arguments, const QString& text)
{
    const auto name = networkName(text);
    if (!name)
        return usageError(session, kNameRule);
    EthernetSettings settings;
    settings.printerName = *name;
    if (const int gate = PassPasswordGate(session, arguments); gate != 0)
        return gate;
    return static_cast<int>(session.run<OperationCode::SetPrinterName>(settings));
}

std::optional<MacBytes> macArgument(CliSession& session, const QString& text)
{
    const auto mac = ParseMacAddress(text.toLatin1());
    if (!mac)
        session.err << "norvane-cli: " << text << " is not a MAC address such as 00:1B:82:0A:00:FF" << Qt::endl;
    return mac;
}

int listPrinters(CliSession& session, bool json)
{
    const DiscoveryClient client(session.discoveryTargets);
    QStringList objects;
    // Each reply is printed as it comes, so a script sees the printers during the pass.
    client.discover(1, [&](const DiscoveryReply& reply) {
        const QByteArray mac = FormatMacAddress(reply.mac);
        const QByteArray address = FormatIpv4(reply.address);
        const QByteArray status = DiscoveryStatusText(reply.status, reply.errorFlags);
        if (json) {
            objects.append(jsonObject({{"name", latin1(reply.name)},
                                       {"macAddress", latin1(mac)},
                                       {"ipAddress", latin1(address)},
                                       {"model", latin1(reply.model)},
                                       {"status", latin1(status)}}));
            return;
        }
        session.out << TerminalText(reply.name) << '\t' << mac << '\t' << address << '\t' << TerminalText(reply.model)
                    << '\t' << status << Qt::endl;
    });
    if (json)
        session.out << '[' << objects.join(QStringLiteral(", ")) << ']' << Qt::endl;
    return 0;
}

/// Reads groups 4 and 5; false, after saying so, when the printer does not answer both.
bool readGroups(CliSession& session, SettingsExchange& exchange, const QString& mac, EthernetSettings& settings)
{
    EthernetSettings unanswered;
    unanswered.ipAddress.clear();
    unanswered.dhcp = 2;
    settings = unanswered;
    exchange.read(settings);
    if (settings.ipAddress.isEmpty() || settings.dhcp == 2) {
        session.err << "norvane-cli: no printer with MAC address " << mac << " answered" << Qt::endl;
        return false;
    }
    settings.macAddress = mac.toLatin1();
    return true;
}

/// The name the printer with `mac` gives in a Discover pass.
std::optional<QByteArray> discoveredName(const DiscoveryClient& client, const MacBytes& mac, std::uint16_t sequence)
{
    for (const DiscoveryReply& reply : client.discover(sequence)) {
        if (reply.mac == mac)
            return reply.name;
    }
    return std::nullopt;
}

int getSettings(CliSession& session, const QString& macText)
{
    const auto mac = macArgument(session, macText);
    if (!mac)
        return kExitUsage;
    const DiscoveryClient client(session.discoveryTargets);
    const auto exchange = client.exchangeSettings(1, *mac);
    EthernetSettings settings;
    if (!exchange || !readGroups(session, *exchange, FormatMacAddress(*mac), settings))
        return static_cast<int>(ResultCode::DataReceivingError);
    const auto name = discoveredName(client, *mac, 2);
    settings.printerName = name.value_or(QByteArray());
    session.out << jsonObject(settingsMembers(settings, false)) << Qt::endl;
    return 0;
}

int setSettings(CliSession& session, const QCommandLineParser& arguments, const QString& macText)
{
    const auto mac = macArgument(session, macText);
    if (!mac)
        return kExitUsage;
    EthernetSettings changes;
    changes.dhcp = 2;
    if (const QString error = takeAddressOptions(arguments, changes, false); !error.isEmpty())
        return usageError(session, error);
    std::optional<QByteArray> name;
    if (arguments.isSet(kNameOption)) {
        name = networkName(arguments.value(kNameOption));
        if (!name)
            return usageError(session, kNameRule);
    }
    if (!name && changes.dhcp == 2)
        return usageError(session, QStringLiteral("give --name, --dhcp, or --ip, --mask and --gateway"));

    const DiscoveryClient client(session.discoveryTargets);
    // Every Set Group request carries the name, so an unchanged one must be learnt first.
    std::uint16_t sequence = 1;
    if (!name)
        name = discoveredName(client, *mac, sequence++);
    const auto exchange = client.exchangeSettings(sequence, *mac);
    EthernetSettings settings;
    if (!name || !exchange || !readGroups(session, *exchange, FormatMacAddress(*mac), settings)) {
        if (!name)
            session.err << "norvane-cli: no printer with MAC address " << FormatMacAddress(*mac) << " answered"
                        << Qt::endl;
        return static_cast<int>(ResultCode::DataReceivingError);
    }
    settings.printerName = *name;
    if (changes.dhcp != 2) {
        settings.dhcp = changes.dhcp;
        if (changes.dhcp == 0) {
            settings.ipAddress = changes.ipAddress;
            settings.subnetMask = changes.subnetMask;
            settings.gateway = changes.gateway;
        }
    }
    exchange->write(settings);
    return 0;
}

int factoryDefault(CliSession& session, const QString& macText)
{
    const auto mac = macArgument(session, macText);
    if (!mac)
        return kExitUsage;
    if (!DiscoveryClient(session.discoveryTargets).factoryDefault(1, *mac)) {
        session.err << "norvane-cli: the request could not be sent" << Qt::endl;
        return static_cast<int>(ResultCode::DataTransmissionError);
    }
    return 0;
}

} // namespace

QString NetCommand::details() const
{
    return QStringLiteral("read      prints {\"dhcp\", \"ipAddress\", \"subnetMask\", \"gateway\", \"lastUsedIp\",\n"
                          "          \"printerName\", \"macAddress\"} as JSON\n"
                          "set-ip    DHCP, or a fixed address with its mask and gateway\n"
                          "set-name  a network name of at most 15 characters\n") +
           PrinterPasswordHelp();
}

QList<QCommandLineOption> NetCommand::options() const
{
    return {
        {QString(kDhcpOption), QStringLiteral("set-ip: take the address from a DHCP server")},
        {QString(kIpOption), QStringLiteral("set-ip: the fixed address"), QStringLiteral("A")},
        {QString(kMaskOption), QStringLiteral("set-ip: the subnet mask"), QStringLiteral("M")},
        {QString(kGatewayOption), QStringLiteral("set-ip: the gateway"), QStringLiteral("G")},
        PrinterPasswordFileOption(),
    };
}

int NetCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    if (action == QStringLiteral("read") && words.size() == 1) {
        if (const QString option = foreignOption(arguments, kNetOptions, {}); !option.isEmpty())
            return usageError(session, QStringLiteral("net read does not take %1").arg(option));
        return netRead(session);
    }
    if (action == QStringLiteral("set-ip") && words.size() == 1) {
        if (const QString option = foreignOption(arguments, kNetOptions, kNetOptions); !option.isEmpty())
            return usageError(session, QStringLiteral("net set-ip does not take %1").arg(option));
        return netSetIp(session, arguments);
    }
    if (action == QStringLiteral("set-name") && words.size() == 2) {
        if (const QString option = foreignOption(arguments, kNetOptions, {kPasswordFileOption}); !option.isEmpty())
            return usageError(session, QStringLiteral("net set-name does not take %1").arg(option));
        return netSetName(session, arguments, words[1]);
    }
    return usageError(session, QStringLiteral("net takes read, set-ip or set-name NAME"));
}

QString DiscoverCommand::details() const
{
    return QStringLiteral(
        "Without an action: one line per answer, NAME<TAB>MAC<TAB>IP<TAB>MODEL<TAB>STATUS (a printer that\n"
        "answers both the broadcast and the multicast request shows twice); --json prints a JSON array.\n"
        "get prints the settings as net read does, without lastUsedIp. set reads them first and changes\n"
        "only what is given. Requests go to 255.255.255.255 and 224.0.0.251, port 22368, or to\n"
        "--discovery-target HOST:PORT.\n");
}

QList<QCommandLineOption> DiscoverCommand::options() const
{
    return {
        {QString(kJsonOption), QStringLiteral("print the printers found as a JSON array")},
        {QString(kNameOption), QStringLiteral("set: the new network name"), QStringLiteral("NAME")},
        {QString(kDhcpOption), QStringLiteral("set: take the address from a DHCP server")},
        {QString(kIpOption), QStringLiteral("set: the fixed address"), QStringLiteral("A")},
        {QString(kMaskOption), QStringLiteral("set: the subnet mask"), QStringLiteral("M")},
        {QString(kGatewayOption), QStringLiteral("set: the gateway"), QStringLiteral("G")},
    };
}

int DiscoverCommand::execute(CliSession& session, const QCommandLineParser& arguments)
{
    const QStringList words = arguments.positionalArguments();
    const QString action = words.value(0);
    if (words.isEmpty()) {
        if (const QString option = foreignOption(arguments, kDiscoverOptions, {kJsonOption}); !option.isEmpty())
            return usageError(session, QStringLiteral("discover does not take %1 without an action").arg(option));
        return listPrinters(session, arguments.isSet(kJsonOption));
    }
    if (words.size() != 2)
        return usageError(session, QStringLiteral("discover takes get, set or factory-default with a MAC address"));
    if (action == QStringLiteral("set")) {
        if (const QString option = foreignOption(arguments, kDiscoverOptions,
                                                 {kNameOption, kDhcpOption, kIpOption, kMaskOption, kGatewayOption});
            !option.isEmpty())
            return usageError(session, QStringLiteral("discover set does not take %1").arg(option));
        return setSettings(session, arguments, words[1]);
    }
    if (const QString option = foreignOption(arguments, kDiscoverOptions, {}); !option.isEmpty())
        return usageError(session, QStringLiteral("discover %1 does not take %2").arg(action, option));
    if (action == QStringLiteral("get"))
        return getSettings(session, words[1]);
    if (action == QStringLiteral("factory-default"))
        return factoryDefault(session, words[1]);
    return usageError(session, QStringLiteral("discover takes get, set or factory-default with a MAC address"));
}

} // namespace norvane::cli
