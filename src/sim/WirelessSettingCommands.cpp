#include "WirelessSettingCommands.h"

#include "CommandArguments.h"
#include "PrinterProfile.h"

#include <array>
#include <utility>

namespace norvane::sim {

namespace {

using Reports = QMap<QByteArray, QByteArray>;

/// Lines with one quoted value and the report that answers it.
const std::array<std::pair<const char*, const char*>, 5> kQuotedSettings{{
    {"WLAN SSID ", "WIFISSID"},
    {"WLAN WPA ", "WIFIWPA"},
    {"WLAN HOSTNAME ", "WIFIPRINTNAME"},
    {"WLAN RF ", "WIFIFREQ"},
    {"WLAN PORT ", "WIFIRAWPORT"},
}};

/// Certificates and keys are a few KiB; a wrong length far above that would swallow every command after it.
constexpr qsizetype kMaxCertificate = 1024 * 1024;

const QRegularExpression kCertificate(QStringLiteral("^DLCERT ([123]),\"([^\"]*)\",(\\d+),$"));

void setSecurity(const QByteArray& kind, Reports& reports)
{
    if (kind.startsWith("WEP") && kind.size() == 4 && kind[3] >= '1' && kind[3] <= '4')
        reports["WIFISECUR"] = kind.mid(3);
    else if (kind == "WPAPSK")
        reports["WIFISECUR"] = "5";
    else if (kind == "WPAEAP")
        reports["WIFISECUR"] = "6";
    else if (kind == "NONE")
        reports["WIFISECUR"] = "0";
}

void setEap(const QByteArray& line, Reports& reports)
{
    const QList<QByteArray> numbers = line.mid(9).split(',');
    const QList<QByteArray> texts = QuotedValues(line);
    if (numbers.size() < 2 || texts.size() != 2)
        return;
    reports["WIFIEAP"] = QByteArray::number(numbers[0].toInt() << 4 | numbers[1].toInt());
    reports["WIFIUSERNAME"] = texts[0];
    reports["WIFIPASSWD"] = texts[1];
}

void storeCertificate(const Command& command, PrinterState& state)
{
    const auto match = kCertificate.match(QString::fromLatin1(command.text));
    if (!match.hasMatch())
        return;
    static const std::array<const char*, 3> kNames{"WIFICACERT", "WIFICLTCERT", "WIFIPRIVKEY"};
    const QByteArray name = match.captured(2).toLatin1();
    state.reports[kNames[static_cast<std::size_t>(match.captured(1).toInt() - 1)]] = name;
    state.wireless.certificates[name] = command.payload;
}

} // namespace

void WirelessSettingCommands::addPayloadRules(CommandStream& stream) const
{
    // Any length text, so that one which is no number is refused rather than read as a plain line.
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DLCERT [123],\"[^\"]*\",([^,]*),$")), kMaxCertificate);
}

QList<QByteArray> WirelessSettingCommands::keys() const
{
    return {"WLAN", "DLCERT"};
}

void WirelessSettingCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    const QByteArray& line = command.text;
    Reports& reports = state.reports;
    for (const auto& [prefix, key] : kQuotedSettings) {
        if (line.startsWith(prefix)) {
            reports[key] = QuotedValues(line).value(0);
            return;
        }
    }
    if (line.startsWith("WLAN SECURI ")) {
        setSecurity(line.mid(12), reports);
    } else if (line.startsWith("WLAN WEP") && line.size() > 9 && line[9] == ' ') {
        reports["WIFIKEYINDEX"] = line.mid(8, 1);
        reports["WIFIWEP"] = QuotedValues(line).value(0);
    } else if (line.startsWith("WLAN EAP ")) {
        setEap(line, reports);
    } else if (line == "WLAN DHCP") {
        reports["WIFIIP"] = "0.0.0.0";
    } else if (line.startsWith("WLAN IP ")) {
        const QList<QByteArray> address = QuotedValues(line);
        if (address.size() != 3)
            return;
        reports["WIFIIP"] = address[0];
        reports["WIFIMASK"] = address[1];
        reports["WIFIGATEWAY"] = address[2];
    } else if (line.startsWith("WLAN ROAM ")) {
        const QList<QByteArray> roaming = QuotedValues(line);
        reports["WIFIROAMTRIG"] = roaming.value(0);
        reports["WIFIROAMDELTA"] = roaming.value(1);
    } else if (line.startsWith("DLCERT ")) {
        storeCertificate(command, state);
    } else if (line == "WLAN DEFAULT") {
        const auto factory = FactoryReports(reports.value("EDITION").toInt());
        for (auto entry = factory.begin(); entry != factory.end(); ++entry) {
            if (entry.key().startsWith("WIFI"))
                reports[entry.key()] = entry.value();
        }
        state.wireless.certificates.clear();
        ++state.wireless.factoryDefaults;
    }
}

} // namespace norvane::sim
