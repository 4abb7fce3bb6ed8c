#include "verify/PageReadBack.h"

#include "config/ConfigJson.h"
#include "config/NameLists.h"
#include "protocol/ConfigurationPageLines.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/WirelessRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <functional>

namespace norvane {

namespace {

/// The printer may keep a length in whole dots, whatever fraction the command gave.
constexpr double kHalfDot = 0.5;
/// What a float holding a length or speed may be off by after its trip through text.
constexpr double kFloatSlack = 1e-3;

const auto kSame = std::equal_to<>();

const auto kSameOnOff = [](std::int32_t sent, std::int32_t read) {
    return (sent != 0) == (read != 0);
};

auto within(double tolerance)
{
    return [tolerance](double sent, double read) {
        return std::abs(sent - read) <= tolerance + kFloatSlack;
    };
}

/// A key or password shows only its length, so the report can go to a terminal or a log.
QJsonValue hidden(const QJsonValue& value)
{
    if (!value.isString())
        return value;
    return QStringLiteral("(hidden, %1 characters)").arg(value.toString().size());
}

class PageComparison
{
public:
    PageComparison(const PrinterConfig& sent, const PrinterConfig& read)
        : m_sent(sent), m_read(read), m_sentJson(ConfigToJson(sent)), m_readJson(ConfigToJson(read))
    {
    }

    /// Compares a setting whose line went out whatever its flag said.
    template <typename Item, typename Same>
    void compare(const char* field, Item PrinterConfig::*item, Same same, bool secret = false)
    {
        const Item& read = m_read.*item;
        if (read.isSet() && same((m_sent.*item).value, read.value))
            return;
        const QString name = QLatin1StringView(field);
        QJsonValue sentValue = m_sentJson.value(name).toObject().value(QStringLiteral("value"));
        QJsonValue readValue = read.isSet() ? m_readJson.value(name).toObject().value(QStringLiteral("value"))
                                            : QJsonValue(QJsonValue::Null);
        if (secret) {
            sentValue = hidden(sentValue);
            readValue = hidden(readValue);
        }
        m_unkept.append({field, sentValue, readValue});
    }

    /// Compares a setting the page sent only because its flag was set.
    template <typename Item, typename Same>
    void compareIfSet(const char* field, Item PrinterConfig::*item, Same same, bool secret = false)
    {
        if ((m_sent.*item).isSet())
            compare(field, item, same, secret);
    }

    template <typename Item> void exactIfSet(const char* field, Item PrinterConfig::*item, bool secret = false)
    {
        compareIfSet(field, item, kSame, secret);
    }

    QList<UnkeptSetting> unkept() const { return m_unkept; }

private:
    const PrinterConfig& m_sent;
    const PrinterConfig& m_read;
    const QJsonObject m_sentJson;
    const QJsonObject m_readJson;
    QList<UnkeptSetting> m_unkept;
};

using C = PrinterConfig;

void compareCommonPage(const C& s, PageComparison& page)
{
    const double dotsPerUnit = s.unitIsInch != 0 ? s.dpi : s.dotsPerMm;
    // Lengths go out with two decimals in the page unit.
    const auto length = within(0.005 * dotsPerUnit + kHalfDot);

    page.compareIfSet("speed", &C::speed, within(0.05));
    page.exactIfSet("density", &C::density);
    if (s.paperWidth.isSet() && s.paperHeight.isSet()) {
        page.compare("paperWidth", &C::paperWidth, length);
        page.compare("paperHeight", &C::paperHeight, length);
    }
    const bool gapKnown = s.gapSize.isSet() && s.gapOffset.isSet();
    const std::int32_t mode = s.sensorMode.value;
    if (s.sensorMode.isSet() && (mode == 2 || ((mode == 0 || mode == 1) && gapKnown)))
        page.compare("sensorMode", &C::sensorMode, kSame);
    if (s.sensorMode.isSet() && (mode == 0 || mode == 1) && gapKnown) {
        page.compare("gapSize", &C::gapSize, length);
        page.compare("gapOffset", &C::gapOffset, length);
    }
    if (s.printOut.isSet() && s.printOut.value >= 0 && s.printOut.value <= 3) {
        page.compare("printOut", &C::printOut, kSame);
        if (s.printOut.value == 3 && s.cutterPiece.isSet() && s.cutterPiece.value != 0)
            page.compare("cutterPiece", &C::cutterPiece, kSame);
    }
    if (s.referenceX.isSet() && s.referenceY.isSet()) {
        page.compare("referenceX", &C::referenceX, kSame);
        page.compare("referenceY", &C::referenceY, kSame);
    }
    if (s.direction.isSet()) {
        page.compare("direction", &C::direction, kSame);
        page.exactIfSet("mirror", &C::mirror);
    }
    page.exactIfSet("offset", &C::offset);
    page.exactIfSet("shiftY", &C::shiftY);
    page.exactIfSet("shiftX", &C::shiftX);
    page.compareIfSet("ribbon", &C::ribbon, kSameOnOff);
    page.compareIfSet("ribbonSensor", &C::ribbonSensor, kSameOnOff);
    page.compareIfSet("ribbonEncoder", &C::ribbonEncoder, kSameOnOff);
    if (s.codePage.isSet() && NameAt(kCodePageNames, s.codePage.value))
        page.compare("codePage", &C::codePage, kSame);
    if (s.countryCode.isSet() && NameAt(kCountryCodes, s.countryCode.value))
        page.compare("countryCode", &C::countryCode, kSame);
    if (s.displayLanguage.isSet() && NameAt(kDisplayLanguageNames, s.displayLanguage.value))
        page.compare("displayLanguage", &C::displayLanguage, kSame);
    page.compareIfSet("headSensor", &C::headSensor, kSameOnOff);
    page.compareIfSet("reprint", &C::reprint, kSameOnOff);
    page.compareIfSet("maxLength", &C::maxLength, within(0.005 + kHalfDot));
    // The intensity of the current sensor mode goes out whatever its flag says.
    if (mode == 0)
        page.compare("gapIntensity", &C::gapIntensity, kSame);
    else if (mode == 1)
        page.compare("blineIntensity", &C::blineIntensity, kSame);
    else if (mode == 2)
        page.compare("continuousIntensity", &C::continuousIntensity, kSame);
    page.compareIfSet("autoThreshold", &C::autoThreshold, kSameOnOff);
}

/// Settings that go out as a letter only for the values 1 to `letters`.
void compareLettered(const char* field, C::Int C::*item, std::int32_t letters, const C& s, PageComparison& page)
{
    const C::Int& sent = s.*item;
    if (sent.isSet() && sent.value >= 1 && sent.value <= letters)
        page.compare(field, item, kSame);
}

void compareZPage(const C& s, PageComparison& page)
{
    page.exactIfSet("zDarkness", &C::zDarkness);
    page.exactIfSet("zPrintSpeed", &C::zPrintSpeed);
    page.exactIfSet("zTearOff", &C::zTearOff);
    compareLettered("zPrintMode", &C::zPrintMode, 3, s, page);
    page.exactIfSet("zPrintWidth", &C::zPrintWidth);
    page.exactIfSet("zControlPrefix", &C::zControlPrefix);
    page.exactIfSet("zFormatPrefix", &C::zFormatPrefix);
    page.exactIfSet("zDelimiter", &C::zDelimiter);
    compareLettered("zPowerUpAction", &C::zPowerUpAction, 4, s, page);
    compareLettered("zHeadCloseAction", &C::zHeadCloseAction, 4, s, page);
    page.exactIfSet("zLabelTop", &C::zLabelTop);
    page.exactIfSet("zLeftPosition", &C::zLeftPosition);
}

void compareDPage(const C& s, PageComparison& page)
{
    // Lengths go out in hundredths of an inch.
    const auto hundredths = within(0.005 * s.dpi + kHalfDot);
    page.exactIfSet("dHeat", &C::dHeat);
    page.compareIfSet("dPrintSpeed", &C::dPrintSpeed,
                      [](float sent, float read) { return DSpeedLetter(sent) == DSpeedLetter(read); });
    page.compareIfSet("dLabelWidth", &C::dLabelWidth, hundredths);
    compareLettered("dPresentSensor", &C::dPresentSensor, 2, s, page);
    compareLettered("dCutterEquipped", &C::dCutterEquipped, 2, s, page);
    compareLettered("dControlCodes", &C::dControlCodes, 3, s, page);
    page.compareIfSet("dColumnOffset", &C::dColumnOffset, hundredths);
    page.compareIfSet("dRowOffset", &C::dRowOffset, hundredths);
}

void compareSerialPortPage(const C& s, PageComparison& page)
{
    // The port is written in one line, only when all four settings name a value.
    if (!(s.comBaudRate.isSet() && s.comDataBits.isSet() && s.comParity.isSet() && s.comStopBits.isSet()))
        return;
    if (!(NameAt(kBaudRatesAsWritten, s.comBaudRate.value) && NameAt(kDataBitNames, s.comDataBits.value) &&
          NameAt(kParityNames, s.comParity.value) && NameAt(kStopBitNames, s.comStopBits.value)))
        return;
    page.compare("comBaudRate", &C::comBaudRate, kSame);
    page.compare("comDataBits", &C::comDataBits, kSame);
    page.compare("comParity", &C::comParity, kSame);
    page.compare("comStopBits", &C::comStopBits, kSame);
}

void compareWirelessPage(const C& s, PageComparison& page)
{
    if (!s.wifiPresent)
        return;
    constexpr bool kSecret = true;
    const std::int32_t security = s.wifiSecurity.value;
    page.exactIfSet("wifiSsid", &C::wifiSsid);
    page.exactIfSet("wifiSecurity", &C::wifiSecurity);
    if (s.wifiSecurity.isSet() &&
        (security == static_cast<std::int32_t>(WifiSecurity::WpaPersonal) || IsWepSecurity(security)))
        page.exactIfSet("wifiKey", &C::wifiKey, kSecret);
    if (s.wifiSecurity.isSet() && security == static_cast<std::int32_t>(WifiSecurity::WpaEnterprise)) {
        page.exactIfSet("wifiEap", &C::wifiEap);
        page.exactIfSet("wifiUsername", &C::wifiUsername);
        page.exactIfSet("wifiPassword", &C::wifiPassword, kSecret);
    }
    // "0.0.0.0" asks for DHCP, after which the printer reports the address it was given.
    if (s.wifiIp.isSet() && s.wifiIp.text() != "0.0.0.0" && s.wifiGateway.isSet()) {
        page.compare("wifiIp", &C::wifiIp, kSame);
        page.compare("wifiMask", &C::wifiMask, kSame);
        page.compare("wifiGateway", &C::wifiGateway, kSame);
    }
    page.exactIfSet("wifiHostName", &C::wifiHostName);
    page.exactIfSet("wifiBand", &C::wifiBand);
    if (s.wifiRoamTrigger.isSet() || s.wifiRoamDelta.isSet()) {
        page.compare("wifiRoamTrigger", &C::wifiRoamTrigger, kSame);
        page.compare("wifiRoamDelta", &C::wifiRoamDelta, kSame);
    }
    page.exactIfSet("wifiRawPort", &C::wifiRawPort);
}

void compareBluetoothPage(const C& s, PageComparison& page)
{
    if (!s.btPresent)
        return;
    page.exactIfSet("btPinCode", &C::btPinCode, true);
    page.exactIfSet("btName", &C::btName);
}

void compareFtpUpdatePage(PageComparison& page)
{
    page.exactIfSet("ftpEnable", &C::ftpEnable);
    page.exactIfSet("ftpServer", &C::ftpServer);
    page.exactIfSet("ftpPath", &C::ftpPath);
    page.exactIfSet("ftpDescriptionFile", &C::ftpDescriptionFile);
    page.exactIfSet("ftpUser", &C::ftpUser);
    page.exactIfSet("ftpPassword", &C::ftpPassword, true);
}

} // namespace

QList<UnkeptSetting> SettingsNotKept(const PrinterConfig& sent, const PrinterConfig& read, std::int32_t page)
{
    PageComparison comparison(sent, read);
    switch (static_cast<ConfigPage>(page)) {
    case ConfigPage::Common:
        compareCommonPage(sent, comparison);
        break;
    case ConfigPage::ZEmulation:
        compareZPage(sent, comparison);
        break;
    case ConfigPage::DEmulation:
        compareDPage(sent, comparison);
        break;
    case ConfigPage::SerialPort:
        compareSerialPortPage(sent, comparison);
        break;
    case ConfigPage::Wireless:
        compareWirelessPage(sent, comparison);
        break;
    case ConfigPage::Bluetooth:
        compareBluetoothPage(sent, comparison);
        break;
    case ConfigPage::FtpUpdate:
        compareFtpUpdatePage(comparison);
        break;
    }
    return comparison.unkept();
}

QByteArray UnkeptSettingJson(const UnkeptSetting& setting)
{
    // QJsonObject sorts its keys; the report keeps field, sent, read in that order.
    const auto value = [](const QJsonValue& v) {
        return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).chopped(1).mid(1);
    };
    return "{\"field\": " + value(QString::fromLatin1(setting.field)) + ", \"sent\": " + value(setting.sent) +
           ", \"read\": " + value(setting.read) + '}';
}

} // namespace norvane
