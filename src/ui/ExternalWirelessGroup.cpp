#include "ExternalWirelessGroup.h"

#include "FormControls.h"
#include "ItemText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr const char* kDhcpAddress = "0.0.0.0";
constexpr int kDhcpOff = 1;
constexpr int kDhcpOn = 2;

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

ExternalWirelessGroup::ExternalWirelessGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("External wireless module"), parent)
{
    setObjectName(QStringLiteral("gbWirelessExtDev"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildWirelessPanel(), 1);
    layout->addWidget(buildBluetoothPanel());
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
    auto* accessPoints = Named<QTreeWidget>("ListView1");
    accessPoints->setHeaderLabels({QStringLiteral("SSID"), QStringLiteral("Encryption")});
    accessPoints->setRootIsDecorated(false);
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
    grid->addWidget(accessPoints, 0, 2, 11, 1);
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
    auto* enableSetup = Named<QPushButton>("btnEnableExtSetup", QStringLiteral("Enable Setup"));
    auto* setToModule = Named<QPushButton>("btnSetToModule", QStringLiteral("Setup"));
    setToModule->setEnabled(false);

    QFrame* bluetooth = panel("Panel2");
    auto* grid = new QGridLayout(bluetooth);
    addRow(*grid, 0, *m_edtExBTName, "Bluetooth Local Name:", "lblExBTName");
    addRow(*grid, 1, *m_edtExBTPinCode, "Bluetooth PIN Code:", "lblExBTPinCode");
    grid->addWidget(enableSetup, 0, 2);
    grid->addWidget(setToModule, 1, 2);
    grid->setColumnStretch(1, 1);
    SetEnabledWithCaption(*m_edtExBTName, false);
    SetEnabledWithCaption(*m_edtExBTPinCode, false);
    return bluetooth;
}

void ExternalWirelessGroup::showConfig(const PrinterConfig& record)
{
    const bool bluetooth = record.extBtPresent != 0;
    SetEnabledWithCaption(*m_edtExBTName, bluetooth);
    SetEnabledWithCaption(*m_edtExBTPinCode, bluetooth);
    if (bluetooth) {
        m_edtExBTName->setText(ShownText(record.extBtName));
        m_edtExBTPinCode->setText(ShownText(record.extBtPinCode));
    }
    if (record.extWifiPresent)
        showWirelessModule(record);
}

void ExternalWirelessGroup::showWirelessModule(const PrinterConfig& c)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_edtExWiFiSSID, m_cbbExWiFiEncryption, m_edtExWiFiKey, m_cbbExWiFiDHCP})
        SetEnabledWithCaption(*control, true);
    m_edtExWiFiSSID->setText(ShownText(c.extWifiSsid));
    ShowListItem(*m_cbbExWiFiEncryption, c.extWifiSecurity.isSet() ? c.extWifiSecurity.value : -1);
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

} // namespace norvane::ui
