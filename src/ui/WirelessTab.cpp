#include "WirelessTab.h"

#include "ExternalWirelessGroup.h"
#include "FieldEntry.h"
#include "FormControls.h"
#include "ItemText.h"
#include "OperationRunner.h"
#include "UserPrompts.h"
#include "config/LengthUnits.h"
#include "protocol/CommandFormat.h"
#include "protocol/WirelessRules.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr const char* kNoWirelessMac = "00:00:00:00:00:00";
constexpr const char* kDhcpAddress = "0.0.0.0";
constexpr const char* kCaCertificate = "CA Certificate";
constexpr const char* kUserCertificate = "User Certificate";
constexpr const char* kPrivateKey = "Private Key";

// Items of the DHCP list; the encryption and EAP type lists have an item per number of the record.
constexpr int kDhcpOff = 1;
constexpr int kDhcpOn = 2;

/// The printer stores a certificate under its file name, in the 8.3 form of at most 12 characters.
constexpr qsizetype kMaxCertificateNameLength = 12;
// Typing limits of fields whose values may be longer: what the printer reports is shown whole.
constexpr int kRssiLength = 3;
constexpr int kRawPortLength = 5;
constexpr int kSecretEntryLength = 32;
constexpr int kPrinterNameLength = 32;

// The section headings of the group.
constexpr const char* kEnterpriseHeading = "-------------------------- WPA-Enterprise ------------------------";
constexpr const char* kInformationHeading = "-------------------------- WiFi Information ------------------------";

// Columns of the group: a left and a right block of caption and field, the right one with Browse buttons.
constexpr int kLeftCaption = 0;
constexpr int kLeftField = 1;
constexpr int kGap = 2;
constexpr int kRightCaption = 3;
constexpr int kRightField = 4;
constexpr int kBrowse = 5;
constexpr int kColumns = 6;
constexpr int kColumnGap = 16;
constexpr int kNumberWidth = 56;
constexpr int kInformationRow = 8;

constexpr int item(WifiSecurity security)
{
    return static_cast<int>(security);
}

constexpr int item(EapType type)
{
    return static_cast<int>(type);
}

const QString kCertificateFilter = QStringLiteral("Certificate files (*.der *.cer *.pem);;All files (*)");
const QString kPrivateKeyFilter = QStringLiteral("Certificate files (*.der *.cer *.pem *.key);;All files (*)");

void showNumber(QLineEdit& edit, int typedLimit, const PrinterConfig::Int& item)
{
    ShowWhole(edit, typedLimit, item.isSet() ? QString::number(item.value) : QString());
}

/// An empty field leaves the setting unknown; other text must be an integer.
bool takeNumber(const QLineEdit& edit, PrinterConfig::Int& item, QString& error)
{
    item.valid = 0;
    const QString text = edit.text();
    if (text.isEmpty())
        return true;
    bool converted = false;
    const int value = text.toInt(&converted);
    if (!converted) {
        error = InvalidIntegerMessage(text);
        return false;
    }
    item.set(value);
    return true;
}

QLineEdit* lineEdit(const char* name, int maxLength, const QString& text = {})
{
    auto* edit = Named<QLineEdit>(name, text);
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* list(const char* name, const QStringList& items)
{
    auto* combo = Named<QComboBox>(name);
    combo->addItems(items);
    return combo;
}

QLineEdit* certificatePath(const char* name, const char* placeholder)
{
    auto* edit = Named<QLineEdit>(name, QLatin1StringView(placeholder));
    edit->setReadOnly(true);
    return edit;
}

void addRow(QGridLayout& grid, int row, int captionColumn, QWidget& field, const char* caption,
            const char* captionName = "", int fieldColumns = 1)
{
    grid.addWidget(CaptionFor(field, caption, captionName), row, captionColumn);
    grid.addWidget(&field, row, captionColumn + 1, 1, fieldColumns);
}

} // namespace

WirelessTab::WirelessTab(OperationRunner& runner, QWidget* parent) : ConfigTab(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("TabSheet9"));
    m_gbWirelessExtDev = new ExternalWirelessGroup(m_runner);
    m_gbWirelessExtDev->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBuiltInGroup());
    layout->addWidget(m_gbWirelessExtDev);

    for (QLineEdit* secret : {m_editWiFiKey, m_edtWiFiUsername, m_edtWiFiPasswd}) {
        MakeSecretField(*secret);
        secret->installEventFilter(this);
    }
    // Nothing chosen yet: the key is open, the WPA-Enterprise fields are not.
    ComboBoxWiFiEncryptionChange();
    connect(m_comboBoxWiFiEncryption, &QComboBox::activated, this, &WirelessTab::ComboBoxWiFiEncryptionChange);
    connect(m_cbxWiFiEapType, &QComboBox::activated, this, &WirelessTab::cbxWiFiEapTypeChange);
    connect(m_comboBoxWiFiDHCP, &QComboBox::activated, this, &WirelessTab::ComboBoxWiFiDHCPChange);
    connect(m_btnWiFiSrvCerBrowse, &QPushButton::clicked, this, &WirelessTab::btnSrvCerBrowseClick);
    connect(m_btnWiFiClientCerBrowse, &QPushButton::clicked, this, &WirelessTab::btnClientCerBrowseClick);
    connect(m_btnWiFiPrivKeyBrowse, &QPushButton::clicked, this, &WirelessTab::btnClientKeyBrowseClick);
    connect(m_btnWirlessFactoryDef, &QPushButton::clicked, this, &WirelessTab::btnWirlessFactoryDefClick);
}

QGroupBox* WirelessTab::buildBuiltInGroup()
{
    auto* group = Named<QGroupBox>("gbWirelessProtable", QStringLiteral("Built-in wireless module"));
    auto* grid = new QGridLayout(group);
    buildNetworkFields(*grid);
    buildEnterpriseFields(*grid);
    buildInformationFields(*grid);
    grid->setColumnMinimumWidth(kGap, kColumnGap);
    grid->setColumnStretch(kLeftField, 1);
    grid->setColumnStretch(kRightField, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return group;
}

void WirelessTab::buildNetworkFields(QGridLayout& grid)
{
    m_editWiFiSSID = lineEdit("EditWiFiSSID", TextCapacity(&PrinterConfig::wifiSsid));
    m_comboBoxWiFiEncryption =
        list("ComboBoxWiFiEncryption",
             {QString(), QStringLiteral("WEP1"), QStringLiteral("WEP2"), QStringLiteral("WEP3"), QStringLiteral("WEP4"),
              QStringLiteral("WPA-Personal"), QStringLiteral("WPA-Enterprise")});
    m_comboBoxWiFiEncryption->setCurrentIndex(-1);
    m_editWiFiKey = lineEdit("EditWiFiKey", TextCapacity(&PrinterConfig::wifiKey));
    m_comboBoxWiFiDHCP = list("ComboBoxWiFiDHCP", {QString(), QStringLiteral("OFF"), QStringLiteral("ON")});
    m_comboBoxWiFiDHCP->setCurrentIndex(-1);
    m_editWiFiIP = lineEdit("EditWiFiIP", TextCapacity(&PrinterConfig::wifiIp), QLatin1StringView(kDhcpAddress));
    m_editWiFiMask = lineEdit("EditWiFiMask", TextCapacity(&PrinterConfig::wifiMask), QLatin1StringView(kDhcpAddress));
    m_editWiFiGateway =
        lineEdit("EditWiFiGateway", TextCapacity(&PrinterConfig::wifiGateway), QLatin1StringView(kDhcpAddress));
    // Held by no setting; shown only beside a fixed address.
    m_edtWiFiDnsSrvIp = Named<QLineEdit>("edtWiFiDnsSrvIp");
    m_edtWiFiDnsSrvIp->setEnabled(false);
    m_edtWiFiDnsSrvIp->hide();

    addRow(grid, 0, kLeftCaption, *m_editWiFiSSID, "WLAN SSID:", "LabelWiFiSSID");
    addRow(grid, 1, kLeftCaption, *m_comboBoxWiFiEncryption, "WLAN Encryption:", "LabelWiFiEncryption");
    addRow(grid, 2, kLeftCaption, *m_editWiFiKey, "WLAN Key:", "LabelWiFiKey");
    addRow(grid, 3, kLeftCaption, *m_comboBoxWiFiDHCP, "WLAN DHCP:", "LabelWiFiDHCP");
    addRow(grid, 4, kLeftCaption, *m_editWiFiIP, "IP Address:", "LabelWiFiIP");
    addRow(grid, 5, kLeftCaption, *m_editWiFiMask, "Subnet Mask:", "LabelWiFiMask");
    addRow(grid, 6, kLeftCaption, *m_editWiFiGateway, "Gateway:", "LabelWiFiGateway");
    grid.addWidget(m_edtWiFiDnsSrvIp, 7, kLeftField);
}

void WirelessTab::buildEnterpriseFields(QGridLayout& grid)
{
    m_cbxWiFiEapType =
        list("cbxWiFiEapType", {QString(), QStringLiteral("EAP-TLS"), QStringLiteral("EAP-TTLS"),
                                QStringLiteral("EAP-FAST"), QStringLiteral("PEAP"), QStringLiteral("LEAP")});
    m_edtWiFiUsername = lineEdit("edtWiFiUsername", kSecretEntryLength);
    m_edtWiFiPasswd = lineEdit("edtWiFiPasswd", kSecretEntryLength);
    m_edtWiFiSrvCerPath = certificatePath("edtWiFiSrvCerPath", kCaCertificate);
    m_btnWiFiSrvCerBrowse = Named<QPushButton>("btnWiFiSrvCerBrowse", QStringLiteral("Browse..."));
    m_edtWiFiClientCerPath = certificatePath("edtWiFiClientCerPath", kUserCertificate);
    m_btnWiFiClientCerBrowse = Named<QPushButton>("btnWiFiClientCerBrowse", QStringLiteral("Browse..."));
    m_edtWiFiPrivKeyPath = certificatePath("edtWiFiPrivKeyPath", kPrivateKey);
    m_btnWiFiPrivKeyBrowse = Named<QPushButton>("btnWiFiPrivKeyBrowse", QStringLiteral("Browse..."));

    grid.addWidget(new QLabel(QLatin1StringView(kEnterpriseHeading)), 0, kRightCaption, 1, 3, Qt::AlignCenter);
    addRow(grid, 1, kRightCaption, *m_cbxWiFiEapType, "EAP Type:", "", 2);
    addRow(grid, 2, kRightCaption, *m_edtWiFiUsername, "Username:", "", 2);
    addRow(grid, 3, kRightCaption, *m_edtWiFiPasswd, "Password:", "", 2);
    const std::pair<QLineEdit*, QPushButton*> certificates[] = {{m_edtWiFiSrvCerPath, m_btnWiFiSrvCerBrowse},
                                                                {m_edtWiFiClientCerPath, m_btnWiFiClientCerBrowse},
                                                                {m_edtWiFiPrivKeyPath, m_btnWiFiPrivKeyBrowse}};
    int row = 4;
    for (const auto& [path, browse] : certificates) {
        grid.addWidget(path, row, kRightCaption, 1, 2);
        grid.addWidget(browse, row, kBrowse);
        ++row;
    }
}

void WirelessTab::buildInformationFields(QGridLayout& grid)
{
    m_edtWiFiMac = Named<QLineEdit>("edtWiFiMac");
    m_edtWiFiMac->setReadOnly(true);
    m_edit1Printname = lineEdit("Edit1Printname", kPrinterNameLength);
    m_edtRoamRssi = lineEdit("edtRoamRssi", kRssiLength);
    m_edtScanRssi = lineEdit("edtScanRssi", kRssiLength);
    m_edtScanRssi->setToolTip(QStringLiteral("0 < Roam Delta < 40"));
    m_edtWifiRawPort = lineEdit("edtWifiRawPort", kRawPortLength);
    for (QLineEdit* number : {m_edtRoamRssi, m_edtScanRssi, m_edtWifiRawPort})
        number->setFixedWidth(kNumberWidth);
    m_btnWirlessFactoryDef = Named<QPushButton>("btnWirlessFactoryDef", QStringLiteral("Wireless Factory Default"));

    const int row = kInformationRow;
    grid.addWidget(new QLabel(QLatin1StringView(kInformationHeading)), row, 0, 1, kColumns, Qt::AlignCenter);
    addRow(grid, row + 1, kLeftCaption, *m_edtWiFiMac, "WLAN MAC Address:");
    addRow(grid, row + 2, kLeftCaption, *m_edit1Printname, "Network Printer Name");
    auto* rssi = new QHBoxLayout;
    rssi->addWidget(m_edtRoamRssi);
    rssi->addWidget(m_edtScanRssi);
    rssi->addWidget(new QLabel(QStringLiteral("dBm")));
    rssi->addStretch();
    grid.addWidget(CaptionFor(*m_edtRoamRssi, "Roam/Scan RSSI:"), row + 1, kRightCaption);
    grid.addLayout(rssi, row + 1, kRightField, 1, 2);
    grid.addWidget(CaptionFor(*m_edtWifiRawPort, "RAW Port:"), row + 2, kRightCaption);
    grid.addWidget(m_edtWifiRawPort, row + 2, kRightField, Qt::AlignLeft);
    grid.addWidget(m_btnWirlessFactoryDef, row + 3, kLeftCaption, 1, 2, Qt::AlignLeft);
}

void WirelessTab::showConfig(const PrinterConfig& record, const PageUnits&)
{
    releaseFocus();
    showBuiltInModule(record);
    m_gbWirelessExtDev->showConfig(record);
}

void WirelessTab::showBuiltInModule(const PrinterConfig& c)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_editWiFiSSID, m_comboBoxWiFiEncryption, m_editWiFiKey, m_comboBoxWiFiDHCP, m_editWiFiIP, m_editWiFiMask,
             m_editWiFiGateway, m_edtWiFiDnsSrvIp, m_edtRoamRssi, m_edtScanRssi})
        SetEnabledWithCaption(*control, false);
    if (!c.wifiPresent) {
        clearBuiltInModule();
        return;
    }
    for (QWidget* control : std::initializer_list<QWidget*>{m_editWiFiSSID, m_comboBoxWiFiEncryption, m_editWiFiKey,
                                                            m_comboBoxWiFiDHCP, m_edtRoamRssi, m_edtScanRssi})
        SetEnabledWithCaption(*control, true);
    m_editWiFiSSID->setText(ShownText(c.wifiSsid));

    m_comboBoxWiFiEncryption->setCurrentIndex(0);
    m_cbxWiFiEapType->setCurrentIndex(item(EapType::None));
    m_edtWiFiUsername->clear();
    m_edtWiFiPasswd->clear();
    if (c.wifiSecurity.isSet()) {
        ShowListItem(*m_comboBoxWiFiEncryption, c.wifiSecurity.value);
        if (c.wifiSecurity.value == item(WifiSecurity::WpaEnterprise)) {
            ShowListItem(*m_cbxWiFiEapType, EapTypeNumber(c.wifiEap.value));
            cbxWiFiEapTypeChange();
            ShowWhole(*m_edtWiFiUsername, kSecretEntryLength, ShownText(c.wifiUsername));
            ShowWhole(*m_edtWiFiPasswd, kSecretEntryLength, ShownText(c.wifiPassword));
            if (!c.wifiCaCertName.text().isEmpty())
                showCertificate(*m_edtWiFiSrvCerPath, m_chosenCertificates.ca,
                                QString::fromLatin1(c.wifiCaCertName.text()));
            if (m_cbxWiFiEapType->currentIndex() == item(EapType::Tls)) {
                if (!c.wifiClientCertName.text().isEmpty())
                    showCertificate(*m_edtWiFiClientCerPath, m_chosenCertificates.client,
                                    QString::fromLatin1(c.wifiClientCertName.text()));
                if (!c.wifiPrivateKeyName.text().isEmpty())
                    showCertificate(*m_edtWiFiPrivKeyPath, m_chosenCertificates.privateKey,
                                    QString::fromLatin1(c.wifiPrivateKeyName.text()));
            }
        }
    }
    ComboBoxWiFiEncryptionChange();
    m_editWiFiKey->setText(ShownText(c.wifiKey));

    m_edtWiFiMac->setText(QString::fromLatin1(c.wifiMac.text()));
    applyLock(m_edtWiFiMac->text() == QLatin1StringView(kNoWirelessMac));
    if (c.wifiHostName.isSet())
        ShowWhole(*m_edit1Printname, kPrinterNameLength, ShownText(c.wifiHostName));
    showAddresses(c);
    showNumber(*m_edtRoamRssi, kRssiLength, c.wifiRoamTrigger);
    showNumber(*m_edtScanRssi, kRssiLength, c.wifiRoamDelta);
    showNumber(*m_edtWifiRawPort, kRawPortLength, c.wifiRawPort);
}

void WirelessTab::showAddresses(const PrinterConfig& c)
{
    m_comboBoxWiFiDHCP->setCurrentIndex(-1);
    if (!c.wifiIp.isSet())
        return;
    if (c.wifiIp.text() == kDhcpAddress) {
        // The fields show the addresses the printer got from the DHCP server.
        m_comboBoxWiFiDHCP->setCurrentIndex(kDhcpOn);
        m_editWiFiIP->setText(QString::fromLatin1(c.wifiCurrentIp.text()));
        m_editWiFiMask->setText(QString::fromLatin1(c.wifiCurrentMask.text()));
        m_editWiFiGateway->setText(QString::fromLatin1(c.wifiCurrentGateway.text()));
        return;
    }
    m_comboBoxWiFiDHCP->setCurrentIndex(kDhcpOff);
    for (QWidget* address : {m_editWiFiIP, m_editWiFiMask, m_editWiFiGateway})
        SetEnabledWithCaption(*address, true);
    m_edtWiFiDnsSrvIp->show();
    m_editWiFiIP->setText(ShownText(c.wifiIp));
    m_editWiFiMask->setText(ShownText(c.wifiMask));
    m_editWiFiGateway->setText(ShownText(c.wifiGateway));
}

void WirelessTab::clearBuiltInModule()
{
    // Nothing of an earlier printer's module may stay on the tab, to be shown, saved or written as this one's.
    for (QLineEdit* edit : {m_editWiFiSSID, m_editWiFiKey, m_edtWiFiUsername, m_edtWiFiPasswd, m_edtWiFiMac,
                            m_edit1Printname, m_edtRoamRssi, m_edtScanRssi, m_edtWifiRawPort})
        edit->clear();
    for (QLineEdit* address : {m_editWiFiIP, m_editWiFiMask, m_editWiFiGateway})
        address->setText(QLatin1StringView(kDhcpAddress));
    m_comboBoxWiFiDHCP->setCurrentIndex(-1);
    m_comboBoxWiFiEncryption->setCurrentIndex(-1);
    ComboBoxWiFiEncryptionChange();
    SetEnabledWithCaption(*m_editWiFiKey, false);
    resetCertificatePaths();
}

bool WirelessTab::takeConfig(PrinterConfig& c, const PageUnits&, QString& error)
{
    if (!takeNumber(*m_edtRoamRssi, c.wifiRoamTrigger, error) || !takeNumber(*m_edtScanRssi, c.wifiRoamDelta, error) ||
        !takeNumber(*m_edtWifiRawPort, c.wifiRawPort, error))
        return false;
    if (!TakeText(*m_editWiFiSSID, c.wifiSsid, error) || !TakeText(*m_editWiFiKey, c.wifiKey, error) ||
        !takeAddresses(c, error) || !TakeText(*m_edit1Printname, c.wifiHostName, error))
        return false;
    c.wifiSecurity.valid = 0;
    if (const int encryption = m_comboBoxWiFiEncryption->currentIndex(); encryption >= 0)
        c.wifiSecurity.set(encryption);

    c.wifiEap.valid = 0;
    c.wifiUsername.valid = 0;
    c.wifiPassword.valid = 0;
    if (const int eapType = m_cbxWiFiEapType->currentIndex(); eapType > item(EapType::None)) {
        const std::optional<QByteArray> username = FieldBytes(*m_edtWiFiUsername, error);
        const std::optional<QByteArray> password = username ? FieldBytes(*m_edtWiFiPasswd, error) : std::nullopt;
        if (!password)
            return false;
        c.wifiEap.set(EncodeEap(static_cast<EapType>(eapType)));
        c.wifiUsername.setText(*username);
        c.wifiPassword.setText(*password);
        m_certificatePaths = m_chosenCertificates;
    }
    return true;
}

bool WirelessTab::takeAddresses(PrinterConfig& c, QString& error) const
{
    const int dhcp = m_comboBoxWiFiDHCP->currentIndex();
    // Without a DHCP choice the fields hold no settings (they may show the addresses the printer has now):
    // leaving them out keeps the printer's addressing as it is.
    if (dhcp != kDhcpOff && dhcp != kDhcpOn) {
        c.wifiIp.valid = 0;
        c.wifiMask.valid = 0;
        c.wifiGateway.valid = 0;
        return true;
    }
    if (!TakeText(*m_editWiFiIP, c.wifiIp, error) || !TakeText(*m_editWiFiMask, c.wifiMask, error) ||
        !TakeText(*m_editWiFiGateway, c.wifiGateway, error))
        return false;
    if (dhcp == kDhcpOn)
        c.wifiIp.setText(kDhcpAddress);
    return true;
}

bool WirelessTab::WiFiKeyCheck()
{
    const std::optional<QString> problem =
        WifiKeyProblem(m_comboBoxWiFiEncryption->currentIndex(), m_editWiFiKey->text());
    if (!problem)
        return true;
    refuseKey(*problem);
    return false;
}

void WirelessTab::refuseKey(const QString& message)
{
    m_runner.prompts().showMessage(MessageKind::Error, message);
    m_editWiFiKey->setFocus();
    // Entering the key empties it; done here as well, because a window in the background takes the focus only
    // later, and then not as an entry.
    EditWiFiKeyEnter();
}

void WirelessTab::maskSecrets()
{
    for (QLineEdit* secret : {m_editWiFiKey, m_edtWiFiUsername, m_edtWiFiPasswd})
        MaskSecret(*secret);
}

bool WirelessTab::isLocked() const
{
    return m_edtWiFiMac->palette().color(QPalette::Base) == QColor(Qt::red);
}

void WirelessTab::lockAfterReset()
{
    m_edtWiFiMac->setText(QLatin1StringView(kNoWirelessMac));
    applyLock(true);
}

void WirelessTab::applyLock(bool locked)
{
    releaseFocus();
    // The lock is the address field's colour: red, with text in the colour of an edit's background.
    if (locked) {
        QPalette palette = m_edtWiFiMac->palette();
        palette.setColor(QPalette::Text, QApplication::palette(m_edtWiFiMac).color(QPalette::Base));
        palette.setColor(QPalette::Base, Qt::red);
        m_edtWiFiMac->setPalette(palette);
    } else {
        m_edtWiFiMac->setPalette(QPalette());
    }
    m_btnWirlessFactoryDef->setEnabled(!locked);
    emit lockChanged(locked);
}

void WirelessTab::releaseFocus()
{
    // A control that is disabled hands the focus on to the next one, which would count as the user entering it
    // and empty a secret: the tab lets go of the focus before it enables and disables its controls.
    if (QWidget* focused = window()->focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}

bool WirelessTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && MovesFocusBetweenFields(*event)) {
        if (watched == m_editWiFiKey)
            EditWiFiKeyEnter();
        else if (watched == m_edtWiFiUsername)
            edtWiFiUsernameEnter();
        else if (watched == m_edtWiFiPasswd)
            edtWiFiPasswdEnter();
    }
    return ConfigTab::eventFilter(watched, event);
}

void WirelessTab::ComboBoxWiFiEncryptionChange()
{
    const bool enterprise = m_comboBoxWiFiEncryption->currentIndex() == item(WifiSecurity::WpaEnterprise);
    for (QWidget* control : std::initializer_list<QWidget*>{m_cbxWiFiEapType, m_edtWiFiUsername, m_edtWiFiPasswd})
        SetEnabledWithCaption(*control, enterprise);
    SetEnabledWithCaption(*m_editWiFiKey, !enterprise);
    if (enterprise) {
        m_editWiFiKey->clear();
    } else {
        m_cbxWiFiEapType->setCurrentIndex(item(EapType::None));
        m_edtWiFiUsername->clear();
        m_edtWiFiPasswd->clear();
    }
    enableCertificateFields();
}

void WirelessTab::cbxWiFiEapTypeChange()
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_edtWiFiUsername, m_edtWiFiPasswd})
        SetEnabledWithCaption(*control, true);
    enableCertificateFields();
}

void WirelessTab::enableCertificateFields()
{
    // A Browse button beside a disabled path would choose a file that the EAP type does not use and the write
    // would still send. EAP-FAST sets up its tunnel without a CA certificate; only EAP-TLS needs a certificate
    // and key of the printer's own.
    const bool enterprise = m_comboBoxWiFiEncryption->currentIndex() == item(WifiSecurity::WpaEnterprise);
    const int eapType = m_cbxWiFiEapType->currentIndex();
    const bool caCertificate = enterprise && eapType != item(EapType::Fast);
    const bool ownCertificate = enterprise && eapType == item(EapType::Tls);
    m_edtWiFiSrvCerPath->setEnabled(caCertificate);
    m_btnWiFiSrvCerBrowse->setEnabled(caCertificate);
    for (QWidget* control : std::initializer_list<QWidget*>{m_edtWiFiClientCerPath, m_btnWiFiClientCerBrowse,
                                                            m_edtWiFiPrivKeyPath, m_btnWiFiPrivKeyBrowse})
        control->setEnabled(ownCertificate);
}

void WirelessTab::ComboBoxWiFiDHCPChange()
{
    const bool fixedAddress = m_comboBoxWiFiDHCP->currentIndex() == kDhcpOff;
    for (QWidget* address : {m_editWiFiIP, m_editWiFiMask, m_editWiFiGateway})
        SetEnabledWithCaption(*address, fixedAddress);
}

void WirelessTab::btnSrvCerBrowseClick()
{
    chooseCertificate(*m_edtWiFiSrvCerPath, m_chosenCertificates.ca, kCertificateFilter);
}

void WirelessTab::btnClientCerBrowseClick()
{
    chooseCertificate(*m_edtWiFiClientCerPath, m_chosenCertificates.client, kCertificateFilter);
}

void WirelessTab::btnClientKeyBrowseClick()
{
    chooseCertificate(*m_edtWiFiPrivKeyPath, m_chosenCertificates.privateKey, kPrivateKeyFilter);
}

void WirelessTab::chooseCertificate(QLineEdit& path, QString& chosenFile, const QString& filter)
{
    const QString file = m_runner.prompts().chooseOpenFile(filter);
    if (file.isEmpty())
        return;
    // The printer's quotes carry the name too, so a quote in it is as unusable as a long name.
    const QByteArray name = QFile::encodeName(QFileInfo(file).fileName());
    if (name.size() > kMaxCertificateNameLength || !QuotableText(name)) {
        m_runner.prompts().showMessage(MessageKind::Error,
                                       QStringLiteral("Not compatible with 8.3 filenames for printer"));
        return;
    }
    path.setText(file);
    chosenFile = file;
}

void WirelessTab::showCertificate(QLineEdit& path, QString& chosenFile, const QString& text)
{
    path.setText(text);
    chosenFile.clear();
}

void WirelessTab::resetCertificatePaths()
{
    showCertificate(*m_edtWiFiSrvCerPath, m_chosenCertificates.ca, QLatin1StringView(kCaCertificate));
    showCertificate(*m_edtWiFiClientCerPath, m_chosenCertificates.client, QLatin1StringView(kUserCertificate));
    showCertificate(*m_edtWiFiPrivKeyPath, m_chosenCertificates.privateKey, QLatin1StringView(kPrivateKey));
}

void WirelessTab::btnWirlessFactoryDefClick()
{
    m_runner.RunOperation<OperationCode::WirelessFactoryDefault>();
    // Whatever the result, the module's settings are no longer what the tab shows: nothing may be written to it
    // until they are read again.
    applyLock(true);
    resetCertificatePaths();
}

void WirelessTab::EditWiFiKeyEnter()
{
    BeginSecretEntry(*m_editWiFiKey);
}

void WirelessTab::edtWiFiUsernameEnter()
{
    BeginSecretEntry(*m_edtWiFiUsername);
}

void WirelessTab::edtWiFiPasswdEnter()
{
    BeginSecretEntry(*m_edtWiFiPasswd);
}

} // namespace norvane::ui
