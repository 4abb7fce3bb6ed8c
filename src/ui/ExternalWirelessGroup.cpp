#include "ExternalWirelessGroup.h"

#include "CurrentLanguage.h"
#include "ExternalModuleTexts.h"
#include "FormControls.h"
#include "ItemText.h"
#include "Latin1Text.h"
#include "OperationRunner.h"
#include "PasswordGate.h"
#include "UnsendableTextMessage.h"
#include "UserPrompts.h"
#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/AccessPointScan.h"
#include "protocol/CommandFormat.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr const char* kDhcpAddress = "0.0.0.0";
constexpr int kDhcpOff = 1;
constexpr int kDhcpOn = 2;
constexpr int kNoEncryption = 0;
constexpr int kWep1 = 1;
constexpr int kWpaPsk = 5;
constexpr int kEncryptionColumn = 1;

QFrame* panel(const char* name)
{
    auto* frame = Named<QFrame>(name);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return frame;
}

void addRow(QGridLayout& grid, int row, QWidget& field, const char* caption, const char* captionName = "")
{
    grid.addWidget(CaptionFor(field, caption, captionName), row, 0);
    grid.addWidget(&field, row, 1);
}

} // namespace

ExternalWirelessGroup::ExternalWirelessGroup(OperationRunner& runner, QWidget* parent)
    : QGroupBox(QStringLiteral("External wireless module"), parent), m_runner(runner)
{
    setObjectName(QStringLiteral("gbWirelessExtDev"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildWirelessPanel(), 1);
    layout->addWidget(buildBluetoothPanel());

    connect(m_btnEnableExtSetup, &QPushButton::clicked, this, &ExternalWirelessGroup::btnEnableExtSetupClick);
    connect(m_btnSetToModule, &QPushButton::clicked, this, &ExternalWirelessGroup::btnSetToModuleClick);
    connect(findChild<QPushButton*>(QStringLiteral("ButtonScanAP")), &QPushButton::clicked, this,
            &ExternalWirelessGroup::ButtonScanAPClick);
    connect(m_listView1, &QTreeWidget::itemClicked, this, &ExternalWirelessGroup::ListView1Click);
    connect(m_cbbExWiFiEncryption, &QComboBox::currentIndexChanged, this,
            &ExternalWirelessGroup::cbbExWiFiEncryptionChange);
    connect(m_cbbExWiFiDHCP, &QComboBox::currentIndexChanged, this, &ExternalWirelessGroup::cbbExWiFiDHCPChange);
    cbbExWiFiEncryptionChange();
}

ExternalWirelessGroup::~ExternalWirelessGroup()
{
    // The application outlives the group: its focus changes must not reach a group being destroyed.
    disconnect(m_focusWatch);
}

void ExternalWirelessGroup::setConfigurationSource(std::function<bool(ConfigPageWrite&)> takeConfiguration)
{
    m_takeConfiguration = std::move(takeConfiguration);
}

QWidget* ExternalWirelessGroup::buildWirelessPanel()
{
    m_edtExWiFiSSID = Named<QLineEdit>("edtExWiFiSSID");
    m_cbbExWiFiEncryption = Named<QComboBox>("cbbExWiFiEncryption");
    m_cbbExWiFiEncryption->addItems({QString(), QStringLiteral("WEP1"), QStringLiteral("WEP2"), QStringLiteral("WEP3"),
                                     QStringLiteral("WEP4"), QStringLiteral("WPA-PSK"),
                                     QStringLiteral("WPA-Enterprise")});
    m_edtExWiFiKey = Named<QLineEdit>("edtExWiFiKey");
    m_cbbExWiFiDHCP = Named<QComboBox>("cbbExWiFiDHCP");
    m_cbbExWiFiDHCP->addItems({QString(), QStringLiteral("OFF"), QStringLiteral("ON")});
    m_edtExWiFiIP = Named<QLineEdit>("edtExWiFiIP", QLatin1StringView(kDhcpAddress));
    m_edtExWiFiMask = Named<QLineEdit>("edtExWiFiMask", QLatin1StringView(kDhcpAddress));
    m_edtExWiFiGateway = Named<QLineEdit>("edtExWiFiGateway", QLatin1StringView(kDhcpAddress));
    auto* eapType = Named<QComboBox>("cbxExWiFiEapType");
    eapType->addItems(
        {QStringLiteral("EAP-TLS"), QStringLiteral("EAP-TTLS"), QStringLiteral("EAP-FAST"), QStringLiteral("PEAP")});
    auto* innerEap = Named<QComboBox>("cbxExWiFiInnerEap");
    innerEap->addItems(
        {QStringLiteral("Secured password (EAP-MSCHAPv2)"), QStringLiteral("One time password (EAP-GTC)")});
    auto* username = Named<QLineEdit>("edtExWiFiUsername");
    auto* password = Named<QLineEdit>("edtExWiFiPasswd");
    auto* caPath = Named<QLineEdit>("edtExWiFiSrvCerPath", QStringLiteral("CA Certificate"));
    caPath->setReadOnly(true);
    auto* caBrowse = Named<QPushButton>("btnExWiFiSrvCerBrowse", QStringLiteral("Browse..."));
    m_listView1 = Named<QTreeWidget>("ListView1");
    m_listView1->setHeaderLabels({QStringLiteral("SSID"), QStringLiteral("Encryption")});
    m_listView1->setRootIsDecorated(false);
    auto* scan = Named<QPushButton>("ButtonScanAP", QStringLiteral("Scan"));

    QFrame* wireless = panel("Panel1");
    auto* grid = new QGridLayout(wireless);
    addRow(*grid, 0, *m_edtExWiFiSSID, "WLAN SSID:", "lblExWiFiSSID");
    addRow(*grid, 1, *m_cbbExWiFiEncryption, "WLAN Encryption:", "lblExWiFiEncryption");
    addRow(*grid, 2, *m_edtExWiFiKey, "WLAN Key:", "lblExWiFiKey");
    addRow(*grid, 3, *m_cbbExWiFiDHCP, "WLAN DHCP:", "lblExWiFiDHCP");
    addRow(*grid, 4, *m_edtExWiFiIP, "WLAN IP Address:", "lblExWiFiIP");
    addRow(*grid, 5, *m_edtExWiFiMask, "WLAN Subnet Mask:", "lblExWiFiMask");
    addRow(*grid, 6, *m_edtExWiFiGateway, "WLAN Gateway:", "lblExWiFiGateway");
    addRow(*grid, 7, *eapType, "EAP Type:");
    grid->addWidget(innerEap, 8, 1);
    addRow(*grid, 9, *username, "Username:");
    addRow(*grid, 10, *password, "Password:");
    auto* certificate = new QHBoxLayout;
    certificate->addWidget(caPath, 1);
    certificate->addWidget(caBrowse);
    grid->addLayout(certificate, 11, 0, 1, 2);
    grid->addWidget(m_listView1, 0, 2, 11, 1);
    grid->addWidget(scan, 11, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    for (QWidget* address : {m_edtExWiFiIP, m_edtExWiFiMask, m_edtExWiFiGateway})
        SetEnabledWithCaption(*address, false);
    return wireless;
}

QWidget* ExternalWirelessGroup::buildBluetoothPanel()
{
    m_edtExBTName = Named<QLineEdit>("edtExBTName");
    m_edtExBTPinCode = Named<QLineEdit>("edtExBTPinCode");
    m_btnEnableExtSetup = Named<QPushButton>("btnEnableExtSetup", Translated(kEnableSetupRow));
    m_btnSetToModule = Named<QPushButton>("btnSetToModule", QStringLiteral("Setup"));
    m_btnSetToModule->setEnabled(false);

    QFrame* bluetooth = panel("Panel2");
    auto* grid = new QGridLayout(bluetooth);
    addRow(*grid, 0, *m_edtExBTName, "Bluetooth Local Name:", "lblExBTName");
    addRow(*grid, 1, *m_edtExBTPinCode, "Bluetooth PIN Code:", "lblExBTPinCode");
    grid->addWidget(m_btnEnableExtSetup, 0, 2);
    grid->addWidget(m_btnSetToModule, 1, 2);
    grid->setColumnStretch(1, 1);
    enableBluetoothFields(false);
    return bluetooth;
}

void ExternalWirelessGroup::showConfig(const PrinterConfig& record)
{
    const bool bluetooth = record.extBtPresent != 0;
    enableBluetoothFields(bluetooth);
    if (bluetooth) {
        m_edtExBTName->setText(ShownText(record.extBtName));
        m_edtExBTPinCode->setText(ShownText(record.extBtPinCode));
    }
    if (record.extWifiPresent)
        showWirelessModule(record);
}

void ExternalWirelessGroup::showWirelessModule(const PrinterConfig& c)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_edtExWiFiSSID, m_cbbExWiFiEncryption, m_cbbExWiFiDHCP})
        SetEnabledWithCaption(*control, true);
    m_edtExWiFiSSID->setText(ShownText(c.extWifiSsid));
    ShowListItem(*m_cbbExWiFiEncryption, c.extWifiSecurity.isSet() ? c.extWifiSecurity.value : -1);
    cbbExWiFiEncryptionChange();
    m_edtExWiFiKey->setText(ShownText(c.extWifiKey));

    m_cbbExWiFiDHCP->setCurrentIndex(-1);
    if (!c.extWifiIp.isSet())
        return;
    const bool dhcp = c.extWifiIp.text() == kDhcpAddress;
    m_cbbExWiFiDHCP->setCurrentIndex(dhcp ? kDhcpOn : kDhcpOff);
    for (QWidget* address : {m_edtExWiFiIP, m_edtExWiFiMask, m_edtExWiFiGateway})
        SetEnabledWithCaption(*address, !dhcp);
    if (dhcp) {
        m_edtExWiFiIP->setText(QString::fromLatin1(c.extWifiCurrentIp.text()));
        if (c.extWifiCurrentMask.isSet())
            m_edtExWiFiMask->setText(QString::fromLatin1(c.extWifiCurrentMask.text()));
        if (c.extWifiCurrentGateway.isSet())
            m_edtExWiFiGateway->setText(QString::fromLatin1(c.extWifiCurrentGateway.text()));
    } else {
        m_edtExWiFiIP->setText(ShownText(c.extWifiIp));
        m_edtExWiFiMask->setText(ShownText(c.extWifiMask));
        m_edtExWiFiGateway->setText(ShownText(c.extWifiGateway));
    }
}

void ExternalWirelessGroup::enableBluetoothFields(bool enabled)
{
    SetEnabledWithCaption(*m_edtExBTName, enabled);
    SetEnabledWithCaption(*m_edtExBTPinCode, enabled);
}

void ExternalWirelessGroup::btnEnableExtSetupClick()
{
    if (m_setupActive) {
        leaveSetup();
        m_runner.RunOperation<OperationCode::ResetPrinter>();
        return;
    }
    if (!m_runner.prompts().confirm(Translated(kEnterModuleModeRow)))
        return;
    std::optional<ModuleBluetoothSettings> found;
    // A printer that does not take module mode says so, and nothing is entered.
    const ResultCode entered = m_runner.RunOperations([&](CommandDispatcher& dispatcher, InterfaceKind kind) {
        Progress& progress = dispatcher.links().progress();
        progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
        const auto hide = qScopeGuard([&] { progress.HideProgress(); });
        const ResultCode result = dispatcher.dispatch<OperationCode::CheckExternalModule>(kind);
        if (result == ResultCode::Success && ProbeBluetoothModule(dispatcher.links(), kind))
            found = ReadModuleBluetooth(dispatcher.links(), kind);
        return result;
    });
    if (entered != ResultCode::Success)
        return;
    m_bluetoothModule = found.has_value();
    if (found) {
        m_edtExBTName->setText(QString::fromLatin1(found->name));
        m_edtExBTPinCode->setText(QString::fromLatin1(found->pinCode));
        enableBluetoothFields(true);
        m_edtExBTName->setFocus();
    }
    m_btnSetToModule->setEnabled(true);
    m_btnEnableExtSetup->setText(Translated(kExitSetupRow));
    m_setupActive = true;
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { keepFocusInTab(now); });
    keepOnWirelessTab();
}

void ExternalWirelessGroup::leaveSetup()
{
    m_setupActive = false;
    disconnect(m_focusWatch);
    m_btnSetToModule->setEnabled(false);
    enableBluetoothFields(false);
    m_btnEnableExtSetup->setText(Translated(kEnableSetupRow));
    m_btnEnableExtSetup->setEnabled(true);
}

bool ExternalWirelessGroup::takeModuleSettings(ModuleBluetoothSettings& settings)
{
    for (QLineEdit* field : {m_edtExBTName, m_edtExBTPinCode}) {
        const QString caption = CaptionText(*field);
        if (!IsLatin1(field->text())) {
            m_runner.prompts().showMessage(MessageKind::Error, NotLatin1Message(caption));
            return false;
        }
        try {
            CheckModuleText(field->text().toLatin1(), "module");
        } catch (const UnsendableValue&) {
            m_runner.prompts().showMessage(MessageKind::Error,
                                           QString::fromLatin1(kUnsendableModuleTextMessage).arg(caption));
            return false;
        }
    }
    settings = {m_edtExBTName->text().toLatin1(), m_edtExBTPinCode->text().toLatin1()};
    return true;
}

void ExternalWirelessGroup::btnSetToModuleClick()
{
    if (!m_runner.prompts().confirm(Translated(kSetupModuleRow)))
        return;
    ConfigPageWrite write;
    ModuleBluetoothSettings settings;
    // Everything is taken and checked before the first byte goes out, so a field that cannot be sent leaves
    // the module and the printer as they were, still in module mode.
    if (!m_takeConfiguration || !m_takeConfiguration(write) || !takeModuleSettings(settings))
        return;
    const auto page = static_cast<std::int32_t>(ConfigPage::Wireless);
    if (const auto field = UnsendableTextField(write, page)) {
        m_runner.prompts().showMessage(MessageKind::Error, UnsendableTextMessage(*field));
        return;
    }
    // The module and the printer's settings change: the same gate as the page's Set.
    if (!PasswordGate(m_runner))
        return;
    if (m_bluetoothModule) {
        m_runner.RunOperations([&](CommandDispatcher& dispatcher, InterfaceKind kind) {
            return WriteModuleBluetooth(dispatcher.links(), kind, settings);
        });
    }
    m_runner.RunOperation<OperationCode::WriteConfigurationPage>(write, page);
    leaveSetup();
    m_runner.RunOperation<OperationCode::ResetPrinter>();
}

void ExternalWirelessGroup::ButtonScanAPClick()
{
    AccessPointScanResult scan;
    const ResultCode result = m_runner.RunOperation<OperationCode::ScanAccessPoints>(scan);
    m_listView1->clear();
    if (result != ResultCode::Success)
        return;
    if (!scan.moduleFound) {
        m_runner.prompts().showMessage(MessageKind::Information, QLatin1StringView(kNoExternalModuleMessage));
        return;
    }
    for (const AccessPoint& accessPoint : DistinctAccessPoints(scan.accessPoints)) {
        auto* row = new QTreeWidgetItem(m_listView1);
        row->setText(0, QString::fromLatin1(accessPoint.ssid));
        row->setText(kEncryptionColumn, QString::fromLatin1(SecurityName(accessPoint.security)));
    }
}

void ExternalWirelessGroup::ListView1Click()
{
    const QTreeWidgetItem* row = m_listView1->currentItem();
    if (!row)
        return;
    m_edtExWiFiSSID->setText(row->text(0));
    const QString security = row->text(kEncryptionColumn);
    m_cbbExWiFiEncryption->setCurrentIndex(security == QStringLiteral("WEP")   ? kWep1
                                           : security == QStringLiteral("WPA") ? kWpaPsk
                                                                               : kNoEncryption);
}

void ExternalWirelessGroup::cbbExWiFiEncryptionChange()
{
    SetEnabledWithCaption(*m_edtExWiFiKey, m_cbbExWiFiEncryption->currentIndex() > kNoEncryption);
}

void ExternalWirelessGroup::cbbExWiFiDHCPChange()
{
    const bool staticAddress = m_cbbExWiFiDHCP->currentIndex() == kDhcpOff;
    for (QWidget* address : {m_edtExWiFiIP, m_edtExWiFiMask, m_edtExWiFiGateway})
        SetEnabledWithCaption(*address, staticAddress);
}

QTabWidget* ExternalWirelessGroup::configurationTabs() const
{
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(ancestor))
            return tabs;
    }
    return nullptr;
}

QWidget* ExternalWirelessGroup::wirelessTabPage() const
{
    QTabWidget* tabs = configurationTabs();
    if (!tabs)
        return nullptr;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(this))
            return tabs->widget(i);
    }
    return nullptr;
}

void ExternalWirelessGroup::keepOnWirelessTab()
{
    QTabWidget* tabs = configurationTabs();
    if (!tabs)
        return;
    if (!m_tabsWatched) {
        m_tabsWatched = true;
        connect(tabs, &QTabWidget::currentChanged, this, [this] {
            if (m_setupActive)
                keepOnWirelessTab();
        });
    }
    if (QWidget* page = wirelessTabPage(); page && tabs->currentWidget() != page) {
        tabs->setCurrentWidget(page);
        m_btnSetToModule->setFocus();
    }
}

void ExternalWirelessGroup::keepFocusInTab(QWidget* now)
{
    if (!m_setupActive || !now || now->window() != window())
        return;
    QWidget* page = wirelessTabPage();
    if (page && !page->isAncestorOf(now))
        m_btnSetToModule->setFocus();
}

} // namespace norvane::ui
