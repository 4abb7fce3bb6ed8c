#include "WirelessTab.h"
#include "ConfigTabFixture.h"
#include "ExternalWirelessGroup.h"
#include "MainWindowFixture.h"
#include "RefusingPort.h"
#include "WidgetDriving.h"
#include "protocol/ConfigurationWrite.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>

using namespace norvane;
using namespace norvane::test;

namespace {

constexpr int kWep1 = 1;
constexpr int kWep4 = 4;
constexpr int kWpaPersonal = 5;
constexpr int kWpaEnterprise = 6;
constexpr int kEapTls = 1;
constexpr int kEapFast = 3;
constexpr int kPeap = 4;
constexpr int kDhcpOff = 1;
constexpr int kDhcpOn = 2;
const QByteArray kNoMac = "00:00:00:00:00:00";

PrinterConfig withModule()
{
    PrinterConfig config;
    ClearConfig(config);
    config.wifiPresent = 1;
    config.wifiMac.setText("00:1B:82:4C:00:01");
    return config;
}

/// An edition-108 printer on WPA-Enterprise with EAP-TLS and its three certificates, on DHCP.
void reportWpaEnterprise(SimPrinter& sim)
{
    sim.printer.withState([](sim::PrinterState& state) {
        for (const auto& [key, answer] : {std::pair<QByteArray, QByteArray>{"WIFISSID", "Warehouse"},
                                          {"WIFISECUR", "6"},
                                          {"WIFIEAP", "17"},
                                          {"WIFIUSERNAME", "jdoe"},
                                          {"WIFIPASSWD", "s3cret!"},
                                          {"WIFICACERT", "CA.PEM"},
                                          {"WIFICLTCERT", "CLIENT.CER"},
                                          {"WIFIPRIVKEY", "CLIENT.KEY"}})
            state.reports[key] = answer;
    });
}

} // namespace

class WirelessTabTest : public ConfigTabFixture
{
protected:
    QLineEdit& edit(const char* name) { return Child<QLineEdit>(tab, name); }
    QComboBox& list(const char* name) { return Child<QComboBox>(tab, name); }
    bool enabled(const char* name) { return Child(tab, name).isEnabled(); }

    /// The page's items as the tab hands them over, taken into `record`.
    PrinterConfig taken(PrinterConfig record = withModule())
    {
        QString error;
        EXPECT_TRUE(tab.takeConfig(record, units, error)) << error.toStdString();
        return record;
    }

    bool keyCheckWith(int encryption, const QString& key)
    {
        Choose(list("ComboBoxWiFiEncryption"), encryption);
        edit("EditWiFiKey").setText(key);
        return tab.WiFiKeyCheck();
    }

    ui::WirelessTab& tab = host(new ui::WirelessTab(runner));
};

TEST_F(WirelessTabTest, theKeyCheckRefusesKeysThatDoNotFitWithAMessage)
{
    // The rules themselves are the wireless rules' own; here, that the tab's lists reach them and what the
    // user sees.
    const struct
    {
        int encryption;
        QString key;
        bool passes;
        const char* message;
    } cases[] = {
        {kWep1, "Abc!9Xyz#1234", true, nullptr},
        {kWep4, "12345", true, nullptr},
        {kWep1, "012345678x", false, "The format is not valid!!"},
        {kWep1, "Abc!9Xyz#123", false, "The length is invalid!!"},
        {kWpaPersonal, QString(7, u'x'), false, "The length is invalid!!"},
        {kWpaPersonal, QString(64, u'a'), true, nullptr},
        {0, "x", true, nullptr},
        {kWpaEnterprise, "x", true, nullptr},
    };
    for (const auto& [encryption, key, passes, message] : cases) {
        SCOPED_TRACE(key.toStdString());
        prompts.clearMessages();
        Enter(edit("EditWiFiSSID"));
        EXPECT_EQ(keyCheckWith(encryption, key), passes);
        EXPECT_EQ(prompts.messages, message ? QStringList{message} : QStringList());
        // After a message the key field has the focus, and entering it emptied it.
        EXPECT_EQ(edit("EditWiFiKey").text(), message ? QString() : key);
        EXPECT_EQ(QApplication::focusWidget() == &edit("EditWiFiKey"), message != nullptr);
    }
}

TEST_F(WirelessTabTest, theEncryptionEapTypeAndDhcpChoicesEnableTheirFields)
{
    tab.showConfig(withModule(), units);
    const char* const eapControls[] = {"cbxWiFiEapType", "edtWiFiUsername", "edtWiFiPasswd"};
    const char* const caControls[] = {"edtWiFiSrvCerPath", "btnWiFiSrvCerBrowse"};
    const char* const ownControls[] = {"edtWiFiClientCerPath", "btnWiFiClientCerBrowse", "edtWiFiPrivKeyPath",
                                       "btnWiFiPrivKeyBrowse"};
    const auto expectEnabled = [&](const auto& names, bool expected) {
        for (const char* name : names)
            EXPECT_EQ(enabled(name), expected) << name;
    };
    edit("EditWiFiKey").setText(QStringLiteral("12345"));
    Choose(list("ComboBoxWiFiEncryption"), kWpaEnterprise);
    expectEnabled(eapControls, true);
    expectEnabled(caControls, true);
    expectEnabled(ownControls, false);
    EXPECT_FALSE(enabled("LabelWiFiKey"));
    EXPECT_TRUE(edit("EditWiFiKey").text().isEmpty());

    for (const auto& [eapType, ca, own] :
         {std::tuple{kEapTls, true, true}, {kEapFast, false, false}, {kPeap, true, false}}) {
        Choose(list("cbxWiFiEapType"), eapType);
        expectEnabled(caControls, ca);
        expectEnabled(ownControls, own);
    }

    edit("edtWiFiUsername").setText(QStringLiteral("jdoe"));
    Choose(list("ComboBoxWiFiEncryption"), kWep1);
    expectEnabled(eapControls, false);
    expectEnabled(caControls, false);
    EXPECT_TRUE(enabled("EditWiFiKey"));
    EXPECT_EQ(list("cbxWiFiEapType").currentIndex(), 0);
    EXPECT_TRUE(edit("edtWiFiUsername").text().isEmpty());

    for (const auto& [choice, fixed] : {std::pair{kDhcpOff, true}, {kDhcpOn, false}, {0, false}}) {
        Choose(list("ComboBoxWiFiDHCP"), choice);
        for (const char* name : {"EditWiFiIP", "LabelWiFiIP", "EditWiFiMask", "EditWiFiGateway", "LabelWiFiGateway"})
            EXPECT_EQ(enabled(name), fixed) << name << " with DHCP item " << choice;
    }
}

TEST_F(WirelessTabTest, secretsShowStarsAndAreEmptiedWhenTheUserEntersThem)
{
    PrinterConfig record = withModule();
    record.wifiSecurity.set(kWpaEnterprise);
    record.wifiEap.set(0x41);
    record.wifiUsername.setText("jdoe");
    // Showing disables the field that has the focus; the focus passing on to the next field is no entry.
    Enter(edit("EditWiFiSSID"));
    tab.showConfig(record, units);
    QLineEdit& username = edit("edtWiFiUsername");
    EXPECT_EQ(username.echoMode(), QLineEdit::Password);
    EXPECT_EQ(username.style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, &username), u'*');
    // Nor is coming back to the window or closing a context menu.
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent focus(QEvent::FocusIn, reason);
        QApplication::sendEvent(&username, &focus);
    }
    EXPECT_EQ(username.text(), "jdoe");

    Enter(username);
    EXPECT_TRUE(username.text().isEmpty());
    EXPECT_EQ(username.echoMode(), QLineEdit::Normal);
    QTest::keyClicks(&username, QStringLiteral("ann"));
    tab.maskSecrets();
    EXPECT_EQ(username.echoMode(), QLineEdit::Password);
    EXPECT_EQ(taken().wifiUsername.text(), "ann");

    // A key entered and left without typing is no key.
    Choose(list("ComboBoxWiFiEncryption"), kWpaPersonal);
    edit("EditWiFiKey").setText(QStringLiteral("old passphrase"));
    Enter(edit("EditWiFiKey"));
    Enter(edit("EditWiFiSSID"));
    EXPECT_FALSE(taken().wifiKey.isSet());
}

TEST_F(WirelessTabTest, certificateFilesNeedNamesThePrinterCanStoreAndStayInForce)
{
    tab.showConfig(withModule(), units);
    Choose(list("ComboBoxWiFiEncryption"), kWpaEnterprise);
    Choose(list("cbxWiFiEapType"), kEapTls);
    prompts.openFiles = {"/certs/ABCDEFGH.DER", "/certs/ABCDEFGHI.DER", "/certs/AB\"DEFGH.DER", "/certs/KEY.KEY"};
    for (const char* browse : {"btnWiFiSrvCerBrowse", "btnWiFiSrvCerBrowse", "btnWiFiClientCerBrowse",
                               "btnWiFiPrivKeyBrowse", "btnWiFiPrivKeyBrowse"})
        Click(tab, browse);
    EXPECT_EQ(edit("edtWiFiSrvCerPath").text(), "/certs/ABCDEFGH.DER");
    EXPECT_EQ(edit("edtWiFiClientCerPath").text(), "User Certificate");
    EXPECT_EQ(prompts.messages, QStringList(2, "Not compatible with 8.3 filenames for printer"));
    const QString certificates = QStringLiteral("Certificate files (*.der *.cer *.pem);;All files (*)");
    const QString keys = QStringLiteral("Certificate files (*.der *.cer *.pem *.key);;All files (*)");
    EXPECT_EQ(prompts.fileFilters, QStringList({certificates, certificates, certificates, keys, keys}));

    taken();
    EXPECT_EQ(tab.certificatePaths().ca, "/certs/ABCDEFGH.DER");
    EXPECT_EQ(tab.certificatePaths().client, "");
    EXPECT_EQ(tab.certificatePaths().privateKey, "/certs/KEY.KEY");
    Choose(list("ComboBoxWiFiEncryption"), kWpaPersonal);
    taken();
    EXPECT_EQ(tab.certificatePaths().ca, "/certs/ABCDEFGH.DER");
}

TEST_F(WirelessTabTest, wpaEnterpriseWithEapTlsCertificatesGoesRoundTripThenAPrinterWithoutTheModuleClearsIt)
{
    reportWpaEnterprise(sim);
    // A printer's name for its certificate is no file of this machine to send, even when it looks like one.
    setReport("WIFICACERT", "/etc/passwd");
    const PrinterConfig read = readFromPrinter();
    tab.showConfig(read, units);
    EXPECT_EQ(list("cbxWiFiEapType").currentText(), "EAP-TLS");
    EXPECT_EQ(edit("edtWiFiSrvCerPath").text(), "/etc/passwd");
    EXPECT_EQ(edit("edtWiFiClientCerPath").text(), "CLIENT.CER");
    EXPECT_EQ(list("ComboBoxWiFiDHCP").currentText(), "ON");
    EXPECT_EQ(edit("EditWiFiIP").text(), "192.168.1.57");
    EXPECT_FALSE(enabled("EditWiFiIP"));

    PrinterConfig expected = read;
    expected.wifiIp.setText("0.0.0.0");
    expected.wifiMask.setText("255.255.255.0");
    expected.wifiGateway.setText("192.168.1.1");
    EXPECT_TRUE(taken(read) == expected);
    EXPECT_TRUE(tab.certificatePaths().ca.isEmpty());

    QTemporaryDir folder;
    const QStringList names = {"NEWCA.PEM", "NEWCLT.CER", "NEWCLT.KEY"};
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name.toLatin1() + "\r\n\"contents\"");
        prompts.openFiles << file.fileName();
    }
    for (const char* browse : {"btnWiFiSrvCerBrowse", "btnWiFiClientCerBrowse", "btnWiFiPrivKeyBrowse"})
        Click(tab, browse);
    ConfigPageWrite write{taken(read), tab.certificatePaths()};
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, 4),
              ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.wireless.certificates.size() == 3; }));
    for (const QString& name : names)
        EXPECT_EQ(sim.printer.snapshot().wireless.certificates.value(name.toLatin1()),
                  name.toLatin1() + "\r\n\"contents\"");

    // A printer without the module next keeps nothing of this one on the tab, to be shown, saved or written.
    PrinterConfig without;
    ClearConfig(without);
    tab.showConfig(without, units);
    for (const char* name : {"EditWiFiSSID", "edtWiFiUsername", "edtWiFiPasswd", "edtWiFiMac", "Edit1Printname"})
        EXPECT_TRUE(edit(name).text().isEmpty()) << name;
    EXPECT_EQ(edit("edtWiFiSrvCerPath").text(), "CA Certificate");
    EXPECT_FALSE(enabled("LabelWiFiSSID"));
    EXPECT_TRUE(taken(without) == without);
}

TEST_F(WirelessTabTest, wepWithAFixedAddressGoesRoundTripAndNoDhcpChoiceTakesNoAddress)
{
    PrinterConfig record = withModule();
    record.wifiSsid.setText("Office");
    record.wifiSecurity.set(3);
    record.wifiKey.setText("0123456789");
    record.wifiIp.setText("10.1.2.3");
    record.wifiMask.setText("255.0.0.0");
    record.wifiGateway.setText("10.1.2.254");
    record.wifiHostName.setText("LABELS-7");
    record.wifiRoamTrigger.set(-70);
    record.wifiRoamDelta.set(5);
    record.wifiRawPort.set(9100);
    tab.showConfig(record, units);
    EXPECT_EQ(list("ComboBoxWiFiEncryption").currentText(), "WEP3");
    EXPECT_EQ(list("ComboBoxWiFiDHCP").currentText(), "OFF");
    EXPECT_TRUE(enabled("EditWiFiIP"));
    EXPECT_FALSE(Child(tab, "edtWiFiDnsSrvIp").isHidden());
    PrinterConfig stale = record;
    stale.wifiSsid.setText("stale");
    stale.wifiRawPort = {};
    EXPECT_TRUE(taken(stale) == record);

    // Leaving DHCP without a choice leaves the printer's addressing alone.
    Choose(list("ComboBoxWiFiDHCP"), 0);
    const PrinterConfig unchosen = taken(record);
    EXPECT_FALSE(unchosen.wifiIp.isSet() || unchosen.wifiMask.isSet() || unchosen.wifiGateway.isSet());

    edit("edtScanRssi").setText(QStringLiteral("5x"));
    QString error;
    EXPECT_FALSE(tab.takeConfig(record, units, error));
    EXPECT_EQ(error, "'5x' is not a valid integer value");
}

TEST_F(WirelessTabTest, valuesLongerThanTheTypingLimitsAreShownAndTakenBackWhole)
{
    PrinterConfig record = withModule();
    record.wifiSecurity.set(kWpaEnterprise);
    record.wifiEap.set(0x41);
    record.wifiUsername.setText(QByteArray(40, 'u'));
    record.wifiPassword.setText("a forty-character EAP password, masked!!");
    record.wifiHostName.setText(QByteArray(63, 'n'));
    record.wifiRoamTrigger.set(-100);
    record.wifiRoamDelta.set(100);
    record.wifiRawPort.set(123456);
    tab.showConfig(record, units);
    EXPECT_EQ(edit("edtRoamRssi").text(), "-100");
    EXPECT_TRUE(taken(record) == record);

    // What the user types is still held to the fields' limits.
    PrinterConfig shortName = withModule();
    shortName.wifiHostName.setText("LABELS-7");
    tab.showConfig(shortName, units);
    QLineEdit& name = edit("Edit1Printname");
    name.clear();
    QTest::keyClicks(&name, QString(40, u'x'));
    EXPECT_EQ(name.text(), QString(32, u'x'));
}

TEST_F(WirelessTabTest, theLockFollowsTheReportedAddressAndWirelessFactoryDefaultLocksWhateverItsResult)
{
    QSignalSpy lockChanges(&tab, &ui::WirelessTab::lockChanged);
    PrinterConfig record = withModule();
    record.wifiMac.setText(kNoMac);
    tab.showConfig(record, units);
    EXPECT_TRUE(tab.isLocked());
    EXPECT_EQ(edit("edtWiFiMac").palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_FALSE(enabled("btnWirlessFactoryDef"));
    tab.showConfig(withModule(), units);
    EXPECT_FALSE(tab.isLocked());
    EXPECT_TRUE(enabled("btnWirlessFactoryDef"));
    tab.lockAfterReset();
    EXPECT_TRUE(tab.isLocked());
    EXPECT_EQ(edit("edtWiFiMac").text(), kNoMac);
    ASSERT_EQ(lockChanges.size(), 3);
    EXPECT_FALSE(lockChanges.at(1).at(0).toBool());

    tab.showConfig(withModule(), units);
    const RefusingPort refusing;
    sim.settings.ethernet.port = refusing.port();
    Click(tab, "btnWirlessFactoryDef");
    EXPECT_EQ(prompts.messages, QStringList{"Port Open Error"});
    EXPECT_TRUE(tab.isLocked());
    EXPECT_TRUE(lockChanges.last().at(0).toBool());
}

TEST_F(WirelessTabTest, theExternalModuleGroupIsFilledButHidden)
{
    PrinterConfig record = withModule();
    record.extWifiPresent = 1;
    record.extWifiSecurity.set(kWpaPersonal);
    record.extWifiIp.setText("0.0.0.0");
    record.extWifiCurrentIp.setText("172.16.0.9");
    record.extBtPresent = 1;
    record.extBtName.setText("EXT-BT");
    tab.showConfig(record, units);
    EXPECT_TRUE(Child(tab, "gbWirelessExtDev").isHidden());
    EXPECT_EQ(list("cbbExWiFiEncryption").currentText(), "WPA-PSK");
    EXPECT_EQ(list("cbbExWiFiDHCP").currentText(), "ON");
    EXPECT_EQ(edit("edtExWiFiIP").text(), "172.16.0.9");
    EXPECT_FALSE(enabled("edtExWiFiIP"));
    EXPECT_EQ(edit("edtExBTName").text(), "EXT-BT");
    EXPECT_TRUE(enabled("lblExBTName"));
}

TEST_F(WirelessTabTest, fitsTheConfigurationPagesAndLooksRightWithWpaEnterprise)
{
    EXPECT_TRUE(fitsTheConfigurationPages(tab));
    reportWpaEnterprise(sim);
    auto* shown = new ui::WirelessTab(runner);
    shown->showConfig(readFromPrinter(), units);
    saveScreenshot(shown, "Wireless", "WirelessTab");

    PrinterConfig record = withModule();
    record.wifiMac.setText(kNoMac);
    record.wifiSecurity.set(2);
    record.wifiIp.setText("10.1.2.3");
    auto* locked = new ui::WirelessTab(runner);
    locked->showConfig(record, units);
    saveScreenshot(locked, "Wireless", "WirelessTab-locked-fixed-address");

    // Hidden in the program; shown alone here to look at its layout, as it would replace the built-in group.
    ui::ExternalWirelessGroup external(runner);
    external.resize(kTabContent);
    external.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&external));
    EXPECT_TRUE(fitsTheConfigurationPages(external));
    EXPECT_TRUE(external.grab().save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/WirelessTab-external-group.png")));
}

/// The tab in the running main window, after a Read of a printer on WPA-Enterprise.
class WirelessTabInMainWindowTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
        reportWpaEnterprise(sim);
        Click(*window, "ButtonRead");
        pages().setCurrentWidget(&Child(*window, "TabSheet9"));
    }

    QTabWidget& pages() { return Child<QTabWidget>(*window, "PageControl2"); }
    bool setEnabled() { return Child(*window, "ButtonConfigSet").isEnabled(); }
};

TEST_F(WirelessTabInMainWindowTest, afterWirelessFactoryDefaultSetStaysOffOnTheTabUntilARealAddressIsRead)
{
    ASSERT_TRUE(setEnabled());
    Click(*window, "btnWirlessFactoryDef");
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.wireless.factoryDefaults == 1; }));
    EXPECT_FALSE(setEnabled());
    EXPECT_EQ(Child<QLineEdit>(*window, "edtWiFiSrvCerPath").text(), "CA Certificate");
    pages().setCurrentIndex(0);
    EXPECT_TRUE(setEnabled());
    pages().setCurrentIndex(4);
    EXPECT_FALSE(setEnabled());
    sim.printer.withState([](sim::PrinterState& state) { state.reports["WIFIMAC"] = kNoMac; });
    Click(*window, "ButtonRead");
    EXPECT_FALSE(setEnabled());
    sim.printer.withState([](sim::PrinterState& state) { state.reports["WIFIMAC"] = "00:1B:82:4C:00:01"; });
    Click(*window, "ButtonRead");
    EXPECT_TRUE(setEnabled());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(WirelessTabInMainWindowTest, setSendsTheTabWithANewCertificateOrNothingForAWrongKey)
{
    QTemporaryDir folder;
    QFile certificate(folder.filePath("NEWCA.PEM"));
    ASSERT_TRUE(certificate.open(QIODevice::WriteOnly));
    certificate.write("-----BEGIN CERTIFICATE-----");
    certificate.close();
    prompts.openFiles << certificate.fileName();
    Click(*window, "btnWiFiSrvCerBrowse");
    Click(*window, "ButtonConfigSet");
    const QByteArray sent = deliveredBytes();
    EXPECT_TRUE(sent.contains("DLCERT 1,\"NEWCA.PEM\",27,-----BEGIN CERTIFICATE-----\r\n"));
    EXPECT_TRUE(sent.contains("WLAN EAP 1,1,\"jdoe\",\"s3cret!\"\r\n"));
    EXPECT_TRUE(sent.contains("WLAN DHCP\r\n"));

    clearPrinterLogs();
    Choose(Child<QComboBox>(*window, "ComboBoxWiFiEncryption"), kWep1);
    Child<QLineEdit>(*window, "EditWiFiKey").setText(QStringLiteral("abc"));
    Click(*window, "ButtonConfigSet");
    EXPECT_EQ(prompts.messages, QStringList{"The length is invalid!!"});
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
    EXPECT_FALSE(deliveredBytes().contains("WLAN"));
}
