#include "ConfigurationPageFixture.h"

#include "PrinterProfile.h"
#include "RadioGroup.h"
#include "WidgetDriving.h"

#include <QLabel>
#include <QTabWidget>

namespace norvane::test {

QMap<QByteArray, QByteArray> FullConfigurationReports()
{
    QMap<QByteArray, QByteArray> reports = sim::FactoryReports(108);
    // clang-format off
    const std::pair<const char*, const char*> changes[] = {
        {"SPEED", "1.5"}, {"DENSITY", "7"}, {"DENSITYBASE", "2"}, {"PAPERHEIGHT", "1218"}, {"SENSORMODE", "1"},
        {"GAPSIZE", "16"}, {"GAPOFFSET", "8"}, {"PRINTOUT", "3"}, {"CUTTERPIECE", "5"}, {"REFERENCEX", "10"},
        {"REFERENCEY", "20"}, {"DIRCTION", "1"}, {"MIRROR", "1"}, {"OFFSET", "-3"}, {"OFFSETBASE", "1"},
        {"SHIFT", "6"}, {"SHIFTBASE", "4"}, {"SHIFTX", "-7"}, {"SHIFTXBASE", "3"}, {"CODEPAGE", "8859-15"},
        {"COUNTRY", "049"}, {"REPRINT", "0"}, {"GAPINTEN", "4"}, {"BLINEINTEN", "9"}, {"CONINTEN", "2"},
        {"AUTOTHRESHOLD", "0"}, {"ZDARKNESS", "20"}, {"ZSPEED", "D"}, {"ZPOSITION", "-10"}, {"ZPRINTMODE", "P"},
        {"ZLABELWIDTH", "609"}, {"ZCONTROL", "#"}, {"ZFORMAT", "$"}, {"ZDELIMITER", ";"}, {"ZFEEDPOWERUP", "F"},
        {"ZFEEDHEADCLOSE", "N"}, {"ZLABELTOP", "12"}, {"ZLABELSHIFT", "-250"}, {"DHEAT", "12"}, {"DSPEED", "B"},
        {"DLABELWIDTH", "609"}, {"DPRESENTSENSOR", "E"}, {"DCUTTEREQUIPPED", "E"}, {"DCONTROLCODES", "2"},
        {"DCOLUMNOFFSET", "20"}, {"DROWOFFSET", "40"}, {"BAUDRATE", "115200"}, {"DATABIT", "7"}, {"PARITY", "Even"},
        {"STOPBIT", "2"}, {"CUTCOUNTER", "1234"}, {"RESETCUTCOUNTER", "56"}, {"RESETMILAGE", "3.2"},
        {"LANGUAGE", "GERMAN"}, {"WIFISSID", "Norvane-Lab"}, {"WIFISECUR", "6"}, {"WIFIEAP", "17"},
        {"WIFIUSERNAME", "lab"}, {"WIFIPASSWD", "secret"}, {"WIFICACERT", "CA.PEM"}, {"WIFICLTCERT", "CL.PEM"},
        {"WIFIPRIVKEY", "CL.KEY"}, {"WIFIIP", "192.168.1.50"}, {"WIFIMASK", "255.255.255.0"},
        {"WIFIGATEWAY", "192.168.1.1"}, {"FTPCENABLE", "1"}, {"UPDFTPSRV", "192.168.1.10"}, {"UPDFTPPATH", "fw/"},
        {"UPDDESCFILE", "desc.txt"}, {"UPDFTPID", "ftp"}, {"UPDFTPPWD", "ftp-secret"},
    };
    // clang-format on
    for (const auto& [key, value] : changes)
        reports[key] = value;
    return reports;
}

void ConfigurationPageFixture::SetUp()
{
    openWindow();
    useEthernet();
}

void ConfigurationPageFixture::setReports(const QMap<QByteArray, QByteArray>& reports)
{
    sim.printer.withState([&](sim::PrinterState& state) { state.reports = reports; });
}

void ConfigurationPageFixture::setReport(const QByteArray& key, const QByteArray& answer)
{
    sim.printer.withState([&](sim::PrinterState& state) { state.reports[key] = answer; });
}

void ConfigurationPageFixture::readPrinter()
{
    Click(*window, "ButtonRead");
    EXPECT_EQ(prompts.messages, QStringList());
}

void ConfigurationPageFixture::showTab(ConfigPage page)
{
    Child<QTabWidget>(*window, "PageControl2").setCurrentIndex(static_cast<int>(page));
}

void ConfigurationPageFixture::chooseUnit(LengthUnit unit)
{
    Child<ui::RadioGroup>(*window, "RadioGroupUnit").setItemIndex(static_cast<int>(unit));
}

QList<QByteArray> ConfigurationPageFixture::setCommands()
{
    clearPrinterLogs();
    Click(*window, "ButtonConfigSet");
    // The settings get no reply: the printer has them all once every byte written has arrived.
    deliveredBytes();
    QList<QByteArray> settings;
    for (const QByteArray& command : sim.printer.commands()) {
        if (!command.startsWith("DIAGNOSTIC") && !command.startsWith("\r\nDIAGNOSTIC"))
            settings << command;
    }
    return settings;
}

QLineEdit& ConfigurationPageFixture::edit(const char* name) const
{
    return Child<QLineEdit>(*window, name);
}

QComboBox& ConfigurationPageFixture::list(const char* name) const
{
    return Child<QComboBox>(*window, name);
}

QStringList ConfigurationPageFixture::unitLabels() const
{
    QStringList texts;
    for (int n = 1; n <= 9; ++n)
        texts << Child<QLabel>(*window, qPrintable(QStringLiteral("LabelUnit%1").arg(n))).text();
    return texts;
}

QMap<QString, QString> ConfigurationPageFixture::pageState() const
{
    QMap<QString, QString> state;
    for (const char* group : {"GroupBoxPrinterInfo", "GroupBoxPrintreConfig"}) {
        for (const QLineEdit* control : Child(*window, group).findChildren<QLineEdit*>()) {
            if (!control->objectName().isEmpty())
                state[control->objectName()] = control->text();
        }
        for (const QComboBox* control : Child(*window, group).findChildren<QComboBox*>()) {
            if (!control->objectName().isEmpty())
                state[control->objectName()] =
                    QStringLiteral("%1 %2").arg(control->currentIndex()).arg(control->currentText());
        }
    }
    return state;
}

} // namespace norvane::test
