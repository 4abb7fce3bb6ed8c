#include "protocol/ConfigurationRead.h"

#include "config/LengthUnits.h"
#include "config/NameLists.h"
#include "config/PrinterConfig.h"
#include "link/PrinterLink.h"
#include "protocol/ReplyFraction.h"
#include "protocol/ReplyFraming.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <utility>

namespace norvane {

namespace {

constexpr qsizetype kVersionCapacity = 256;
constexpr qsizetype kCounterTextCapacity = 16;

/// Editions from which a printer answers a group of queries.
constexpr std::int32_t kEmulationEdition = 100;
constexpr std::int32_t kMaxLengthEdition = 102;
constexpr std::int32_t kRibbonEdition = 103;
constexpr std::int32_t kWirelessEdition = 105;
constexpr std::int32_t kWirelessSecurityEdition = 106;
constexpr std::int32_t kBluetoothIdentityEdition = 107;
constexpr std::int32_t kDisplayLanguageEdition = 108;

/// Replies that come as letters, with the values they stand for.
using Letter = std::pair<QByteArrayView, std::int32_t>;
constexpr Letter kZSpeedLetters[] = {{"A", 2}, {"B", 3}, {"C", 4}, {"D", 6}, {"E", 8}};
constexpr Letter kZPrintModeLetters[] = {{"T", 1}, {"P", 2}, {"R", 1}, {"A", 1}, {"C", 3}, {"D", 3}};
constexpr Letter kMediaActionLetters[] = {{"F", 1}, {"C", 2}, {"L", 3}, {"N", 4}};
constexpr Letter kOffOnLetters[] = {{"N", 1}, {"E", 2}, {"A", 2}};
constexpr Letter kControlCodeLetters[] = {{"S", 1}, {"1", 2}, {"2", 3}};

std::optional<std::int32_t> letterValue(std::span<const Letter> letters, QByteArrayView reply)
{
    for (const auto& [letter, value] : letters) {
        if (reply == letter)
            return value;
    }
    return std::nullopt;
}

QByteArray query(QByteArrayView key)
{
    return "DIAGNOSTIC REPORT " + key.toByteArray() + "\r\n";
}

void unset(std::initializer_list<std::uint8_t*> flags)
{
    for (std::uint8_t* flag : flags)
        *flag = 0;
}

/// The reports that answer with a key or a password, which a trace must not show.
bool isSecretReport(QByteArrayView key)
{
    return key == "WIFIWPA" || key == "WIFIWEP" || key == "WIFIPASSWD" || key == "UPDFTPPWD" || key == "BTPINCODE";
}

/// The query sequence. After the first failure no further query is sent and the read returns its code.
class ConfigurationReader
{
public:
    ConfigurationReader(PrinterLink& link, PrinterConfig& config) : m_link(link), m_config(config) {}

    ResultCode run()
    {
        using R = ConfigurationReader;
        m_result = Announce(m_link);
        if (!succeeded() || !runSteps({&R::readResolution, &R::readIdentity, &R::readCommonSettings}))
            return m_result;
        if (!readQueriesOlderPrintersLack())
            return ResultCode::Success;
        runSteps({&R::readEmulations, &R::readCutterAndMaxLength, &R::readRibbonAndResetCounters, &R::readWireless,
                  &R::readWirelessSecurity, &R::readBluetoothIdentity, &R::readDisplayLanguage});
        return m_result;
    }

private:
    using Step = bool (ConfigurationReader::*)();

    bool runSteps(std::initializer_list<Step> steps)
    {
        for (const Step step : steps) {
            if (!(this->*step)())
                return false;
        }
        return true;
    }

    bool succeeded() const { return m_result == ResultCode::Success; }

    /// One exchange into the scratch reply; false once anything has failed.
    bool ask(QByteArrayView key, qsizetype capacity = kSingleValueCapacity)
    {
        if (succeeded()) {
            m_link.setReceivingSecret(isSecretReport(key));
            m_result = Exchange(m_link, query(key), m_reply, capacity);
            m_link.setReceivingSecret(false);
        }
        return succeeded();
    }

    void number(QByteArrayView key, PrinterConfig::Int& item)
    {
        if (ask(key))
            item.set(ReplyNumber(m_reply));
    }

    void fraction(QByteArrayView key, PrinterConfig::Float& item)
    {
        if (ask(key))
            item.set(ReplyFraction(m_reply));
    }

    template <std::size_t N> void text(QByteArrayView key, TextItem<N>& item)
    {
        if (ask(key))
            item.setText(m_reply);
    }

    template <std::size_t N>
    void text(QByteArrayView key, TextField<N>& field, qsizetype capacity = kSingleValueCapacity)
    {
        if (ask(key, capacity))
            field.setText(m_reply);
    }

    void listIndex(QByteArrayView key, PrinterConfig::Int& item, std::span<const QByteArrayView> names)
    {
        if (ask(key))
            item.set(NameIndex(names, m_reply));
    }

    void letters(QByteArrayView key, PrinterConfig::Int& item, std::span<const Letter> table)
    {
        if (!ask(key))
            return;
        item.valid = 0;
        if (const auto value = letterValue(table, m_reply))
            item.set(*value);
    }

    /// An empty reply means the printer does not support the setting.
    void numberIfSupported(QByteArrayView key, PrinterConfig::Int& item)
    {
        if (!ask(key))
            return;
        item.valid = 0;
        if (!m_reply.isEmpty())
            item.set(ReplyNumber(m_reply));
    }

    void prefixCharacter(QByteArrayView key, PrinterConfig::Char& item)
    {
        if (!ask(key))
            return;
        item.valid = 0;
        if (m_reply.size() == 1)
            item.set(m_reply[0]);
    }

    void presence(QByteArrayView key, std::uint8_t& present)
    {
        if (ask(key))
            present = ReplyNumber(m_reply) != 0 ? 1 : 0;
    }

    /// The counters are never negative.
    void counter(QByteArrayView key, std::int32_t& count)
    {
        if (ask(key))
            count = std::max(ReplyNumber(m_reply), 0);
    }

    /// dotsPerMm from dpi: dots per 100 mm, rounded to tens, so 203 dpi gives 8.0 and 300 dpi 11.8.
    bool readResolution()
    {
        if (!ask("DPI"))
            return false;
        m_config.dpi = ReplyFraction(m_reply);
        const long double scaled = std::trunc(m_config.dpi * 0.03937007933L * 100);
        constexpr long double kLimit = std::numeric_limits<std::int32_t>::max();
        // Beyond 32 bits, or rounding to 0 dots per mm (which every mm length is divided by), it is unusable.
        const std::int64_t x = std::abs(scaled) < kLimit ? static_cast<std::int64_t>(scaled) : 0;
        const std::int64_t rounded = (x + 5) / 10 * 10;
        // A negative resolution would turn every length's sign, and a file saved from it could not be loaded.
        if (!(m_config.dpi >= kMinimumDpi) || x == 0 || rounded == 0) {
            m_result = ResultCode::DataReceivingError;
            return false;
        }
        m_config.dotsPerMm = static_cast<float>(rounded * 0.01L);
        m_config.dpiValid = 1;
        return true;
    }

    bool readIdentity()
    {
        text("VERSION", m_config.version, kVersionCapacity);
        text("MILAGE", m_config.mileage, kCounterTextCapacity);
        text("CHECKSUM", m_config.checksum, kCounterTextCapacity);
        if (!succeeded())
            return false;
        // The serial number is the one reply that comes as a plain line.
        m_result = SendCommand(m_link, "OUT _SERIAL$\r\n");
        QByteArray line;
        if (succeeded() && !ReadLineReply(m_link, line))
            m_result = ResultCode::DataReceivingError;
        if (succeeded())
            m_config.serialNumber.setText(line);
        return succeeded();
    }

    bool readCommonSettings()
    {
        auto& c = m_config;
        fraction("SPEED", c.speed);
        number("DENSITY", c.density);
        number("DENSITYBASE", c.densityBase);
        fraction("PAPERWIDTH", c.paperWidth);
        fraction("PAPERHEIGHT", c.paperHeight);
        number("SENSORMODE", c.sensorMode);
        c.sensorMode.value = std::min(c.sensorMode.value, 2); // modes beyond continuous count as continuous
        fraction("GAPSIZE", c.gapSize);
        fraction("GAPOFFSET", c.gapOffset);
        number("PRINTOUT", c.printOut);
        number("CUTTERPIECE", c.cutterPiece);
        number("REFERENCEX", c.referenceX);
        number("REFERENCEY", c.referenceY);
        number("DIRCTION", c.direction);
        number("MIRROR", c.mirror);
        number("OFFSET", c.offset);
        number("OFFSETBASE", c.offsetBase);
        number("SHIFT", c.shiftY);
        number("SHIFTBASE", c.shiftYBase);
        number("RIBBON", c.ribbon);
        listIndex("CODEPAGE", c.codePage, kCodePageNames);
        listIndex("COUNTRY", c.countryCode, kCountryCodes);
        number("HEAD", c.headSensor);
        number("GAPINTEN", c.gapIntensity);
        number("BLINEINTEN", c.blineIntensity);
        number("CONINTEN", c.continuousIntensity);
        listIndex("BAUDRATE", c.comBaudRate, kBaudRatesAsRead);
        listIndex("DATABIT", c.comDataBits, kDataBitNames);
        listIndex("PARITY", c.comParity, kParityNames);
        listIndex("STOPBIT", c.comStopBits, kStopBitNames);
        return succeeded();
    }

    /// Printers older than these four queries fail them; that ends the read successfully.
    bool readQueriesOlderPrintersLack()
    {
        for (auto [key, item] : {std::pair{"REPRINT", &m_config.reprint}, std::pair{"SHIFTX", &m_config.shiftX},
                                 std::pair{"SHIFTXBASE", &m_config.shiftXBase}}) {
            if (Exchange(m_link, query(key), m_reply) != ResultCode::Success) {
                item->valid = 0;
                return false;
            }
            item->set(ReplyNumber(m_reply));
        }
        if (Exchange(m_link, query("EDITION"), m_reply) != ResultCode::Success) {
            m_config.edition = 0;
            return false;
        }
        m_config.edition = ReplyNumber(m_reply);
        return true;
    }

    bool readEmulations()
    {
        auto& c = m_config;
        if (c.edition < kEmulationEdition) {
            unset({&c.zDarkness.valid,       &c.zPrintSpeed.valid,      &c.zTearOff.valid,      &c.zPrintMode.valid,
                   &c.zPrintWidth.valid,     &c.zControlPrefix.valid,   &c.zFormatPrefix.valid, &c.zDelimiter.valid,
                   &c.zPowerUpAction.valid,  &c.zHeadCloseAction.valid, &c.zLabelTop.valid,     &c.zLeftPosition.valid,
                   &c.dHeat.valid,           &c.dPrintSpeed.valid,      &c.dLabelWidth.valid,   &c.dPresentSensor.valid,
                   &c.dCutterEquipped.valid, &c.dControlCodes.valid,    &c.dColumnOffset.valid, &c.dRowOffset.valid});
            return true;
        }
        numberIfSupported("ZDARKNESS", c.zDarkness);
        readZSpeed();
        numberIfSupported("ZPOSITION", c.zTearOff);
        letters("ZPRINTMODE", c.zPrintMode, kZPrintModeLetters);
        numberIfSupported("ZLABELWIDTH", c.zPrintWidth);
        prefixCharacter("ZCONTROL", c.zControlPrefix);
        prefixCharacter("ZFORMAT", c.zFormatPrefix);
        prefixCharacter("ZDELIMITER", c.zDelimiter);
        letters("ZFEEDPOWERUP", c.zPowerUpAction, kMediaActionLetters);
        letters("ZFEEDHEADCLOSE", c.zHeadCloseAction, kMediaActionLetters);
        numberIfSupported("ZLABELTOP", c.zLabelTop);
        numberIfSupported("ZLABELSHIFT", c.zLeftPosition);
        numberIfSupported("DHEAT", c.dHeat);
        readDSpeed();
        numberIfSupported("DLABELWIDTH", c.dLabelWidth);
        letters("DPRESENTSENSOR", c.dPresentSensor, kOffOnLetters);
        letters("DCUTTEREQUIPPED", c.dCutterEquipped, kOffOnLetters);
        letters("DCONTROLCODES", c.dControlCodes, kControlCodeLetters);
        numberIfSupported("DCOLUMNOFFSET", c.dColumnOffset);
        numberIfSupported("DROWOFFSET", c.dRowOffset);
        return succeeded();
    }

    /// The speed comes as a letter for the slow steps, else as a number.
    void readZSpeed()
    {
        if (!ask("ZSPEED"))
            return;
        m_config.zPrintSpeed.valid = 0;
        if (!m_reply.isEmpty())
            m_config.zPrintSpeed.set(letterValue(kZSpeedLetters, m_reply).value_or(ReplyNumber(m_reply)));
    }

    /// One letter: "A" to "V" are 1.0 to 11.5 in half steps, "W" to "Z" 12 to 15, "a" to "e" 16 to 20.
    void readDSpeed()
    {
        if (!ask("DSPEED"))
            return;
        auto& speed = m_config.dPrintSpeed;
        speed.valid = 0;
        if (m_reply.size() != 1)
            return;
        const char c = m_reply[0];
        if (c >= 'A' && c <= 'V')
            speed.set(1.0f + 0.5f * static_cast<float>(c - 'A'));
        else if (c >= 'W' && c <= 'Z')
            speed.set(12.0f + static_cast<float>(c - 'W'));
        else if (c >= 'a' && c <= 'e')
            speed.set(16.0f + static_cast<float>(c - 'a'));
    }

    bool readCutterAndMaxLength()
    {
        if (m_config.edition < kMaxLengthEdition) {
            m_config.maxLength.valid = 0;
            return true;
        }
        counter("CUTCOUNTER", m_config.cutCounter);
        fraction("MAXLENGTH", m_config.maxLength);
        return succeeded();
    }

    bool readRibbonAndResetCounters()
    {
        auto& c = m_config;
        if (c.edition < kRibbonEdition) {
            unset({&c.ribbonSensor.valid, &c.ribbonEncoder.valid, &c.autoThreshold.valid});
            return true;
        }
        text("RESETMILAGE", c.resetMileage, kCounterTextCapacity);
        counter("RESETCUTCOUNTER", c.resetCutCounter);
        number("RIBBONSENSOR", c.ribbonSensor);
        number("RIBBONENCODER", c.ribbonEncoder);
        number("AUTOTHRESHOLD", c.autoThreshold);
        return succeeded();
    }

    /// WPA first; when it is empty, WEP with its key index; neither is an open network.
    void readKeyAndSecurity(TextItem<128>& key, PrinterConfig::Int& security)
    {
        security = {};
        key = {};
        if (!ask("WIFIWPA"))
            return;
        if (!m_reply.isEmpty()) {
            key.setText(m_reply);
            security.set(5);
            return;
        }
        if (!ask("WIFIWEP") || m_reply.isEmpty())
            return;
        key.setText(m_reply);
        number("WIFIKEYINDEX", security);
    }

    bool readWireless()
    {
        auto& c = m_config;
        if (c.edition < kWirelessEdition) {
            unset({&c.btPresent, &c.wifiPresent, &c.extWifiPresent, &c.btPinCode.valid, &c.btName.valid,
                   &c.wifiSsid.valid, &c.wifiSecurity.valid, &c.wifiKey.valid, &c.wifiIp.valid, &c.wifiMask.valid,
                   &c.wifiGateway.valid, &c.wifiHostName.valid, &c.wifiBand.valid, &c.extWifiSsid.valid,
                   &c.extWifiSecurity.valid, &c.extWifiKey.valid, &c.extWifiIp.valid, &c.extWifiMask.valid,
                   &c.extWifiGateway.valid});
            return true;
        }
        presence("ISBT", c.btPresent);
        text("BTPINCODE", c.btPinCode);
        text("BTNAME", c.btName);
        presence("ISWIFI", c.wifiPresent);
        text("WIFISSID", c.wifiSsid);
        readKeyAndSecurity(c.wifiKey, c.wifiSecurity);
        text("WIFIIP", c.wifiIp);
        text("WIFIMASK", c.wifiMask);
        text("WIFIGATEWAY", c.wifiGateway);
        presence("ISWIFI", c.extWifiPresent);
        text("WIFIPRINTNAME", c.wifiHostName);
        text("WIFIFREQ", c.wifiBand);
        number("WIFIROAMTRIG", c.wifiRoamTrigger);
        number("WIFIROAMDELTA", c.wifiRoamDelta);
        number("WIFIRAWPORT", c.wifiRawPort);
        // The external module is read through the same queries a second time.
        text("WIFISSID", c.extWifiSsid);
        readKeyAndSecurity(c.extWifiKey, c.extWifiSecurity);
        text("WIFIIP", c.extWifiIp);
        text("WIFIMASK", c.extWifiMask);
        text("WIFIGATEWAY", c.extWifiGateway);
        return succeeded();
    }

    bool readWirelessSecurity()
    {
        auto& c = m_config;
        if (c.edition < kWirelessSecurityEdition) {
            unset({&c.extWifiCurrentIp.valid, &c.extWifiCurrentMask.valid, &c.extWifiCurrentGateway.valid});
            return true;
        }
        number("WIFISECUR", c.wifiSecurity);
        if (!succeeded())
            return false;
        switch (c.wifiSecurity.value) {
        case 0:
            c.wifiKey = {};
            break;
        case 1:
        case 2:
        case 3:
        case 4:
            text("WIFIWEP", c.wifiKey);
            number("WIFIKEYINDEX", c.wifiSecurity);
            break;
        case 5:
            text("WIFIWPA", c.wifiKey);
            break;
        case 6:
            number("WIFIEAP", c.wifiEap);
            text("WIFIUSERNAME", c.wifiUsername);
            text("WIFIPASSWD", c.wifiPassword);
            text("WIFICACERT", c.wifiCaCertName);
            text("WIFICLTCERT", c.wifiClientCertName);
            text("WIFIPRIVKEY", c.wifiPrivateKeyName);
            break;
        default:
            break;
        }
        text("WIFIMAC", c.wifiMac);
        text("WIFICIP", c.wifiCurrentIp);
        text("WIFICMASK", c.wifiCurrentMask);
        text("WIFICGATEWAY", c.wifiCurrentGateway);
        number("FTPCENABLE", c.ftpEnable);
        text("UPDFTPSRV", c.ftpServer);
        text("UPDFTPPATH", c.ftpPath);
        text("UPDDESCFILE", c.ftpDescriptionFile);
        text("UPDFTPID", c.ftpUser);
        text("UPDFTPPWD", c.ftpPassword);
        return succeeded();
    }

    bool readBluetoothIdentity()
    {
        if (m_config.edition < kBluetoothIdentityEdition) {
            unset({&m_config.btVersion.valid, &m_config.btLocalMac.valid});
            return true;
        }
        text("BTVERSION", m_config.btVersion);
        text("BTLOCALMAC", m_config.btLocalMac);
        return succeeded();
    }

    bool readDisplayLanguage()
    {
        if (m_config.edition < kDisplayLanguageEdition)
            m_config.displayLanguage.valid = 0;
        else
            listIndex("LANGUAGE", m_config.displayLanguage, kDisplayLanguageNames);
        return succeeded();
    }

    PrinterLink& m_link;
    PrinterConfig& m_config;
    QByteArray m_reply;
    ResultCode m_result = ResultCode::Success;
};

} // namespace

ResultCode ReadConfiguration(PrinterLink& link, PrinterConfig& config)
{
    return ConfigurationReader(link, config).run();
}

} // namespace norvane
