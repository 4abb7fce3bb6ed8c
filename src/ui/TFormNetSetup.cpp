#include "TFormNetSetup.h"

#include "CurrentLanguage.h"
#include "LanguageRows.h"
#include "TFormEthernetSetup.h"
#include "UserPrompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

enum Column
{
    PrinterName,
    Mac,
    IpAddress,
    ModelName,
    Status,
};

QPushButton* hiddenButton(const char* name, const char* caption)
{
    auto* button = new QPushButton(QLatin1StringView(caption));
    button->setObjectName(QLatin1StringView(name));
    button->setVisible(false);
    return button;
}

/// The dialog's texts from the language table, put on when it opens; the list's columns are the five rows
/// from `kFirstColumnRow` on.
const LanguageRow kNetSetupRows[] = {
    {"ButtonExit", 3},       {"GroupBoxIPSetting", 203}, {"LabelIPAddress", 204},       {"LabelPort", 205},
    {"ButtonDiscover", 206}, {"ButtonChangeIP", 207},    {"ButtonFactoryDefault", 208}, {"ButtonBrowser", 209},
};
constexpr int kFirstColumnRow = 210;

} // namespace

TFormNetSetup::TFormNetSetup(EthernetLinkSettings& record, const DiscoveryClient& discovery, UserPrompts& prompts,
                             QWidget* parent)
    : QDialog(parent), m_record(record), m_discovery(discovery), m_prompts(prompts), m_editIPAddr(new QLineEdit),
      m_editPort(new QLineEdit(QStringLiteral("9100"))), m_listView1(new QTreeWidget),
      m_buttonDiscover(hiddenButton("ButtonDiscover", "Discover Device"))
{
    setObjectName(QStringLiteral("FormNetSetup"));
    setWindowTitle(QStringLiteral("TCP/IP Setup"));

    auto* group = new QGroupBox(QStringLiteral("IP Setting"));
    group->setObjectName(QStringLiteral("GroupBoxIPSetting"));
    auto* labelIPAddress = new QLabel(QStringLiteral("IP Address/Printer Name:"));
    labelIPAddress->setObjectName(QStringLiteral("LabelIPAddress"));
    auto* labelPort = new QLabel(QStringLiteral("Port:"));
    labelPort->setObjectName(QStringLiteral("LabelPort"));
    m_editIPAddr->setObjectName(QStringLiteral("EditIPAddr"));
    m_editIPAddr->setMaxLength(64);
    m_editIPAddr->setMinimumWidth(220);
    m_editPort->setObjectName(QStringLiteral("EditPort"));
    // A port number has at most five digits; the address takes the room.
    m_editPort->setMaximumWidth(m_editPort->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    auto* buttonExit = new QPushButton(QStringLiteral("Exit"));
    buttonExit->setObjectName(QStringLiteral("ButtonExit"));
    buttonExit->setDefault(true);
    auto* grid = new QGridLayout(group);
    grid->addWidget(labelIPAddress, 0, 0);
    grid->addWidget(m_editIPAddr, 1, 0);
    grid->addWidget(labelPort, 0, 1);
    grid->addWidget(m_editPort, 1, 1);
    grid->addWidget(buttonExit, 1, 2);
    grid->setColumnStretch(0, 1);

    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setHeaderLabels({Translated(kFirstColumnRow), Translated(kFirstColumnRow + 1),
                                  Translated(kFirstColumnRow + 2), Translated(kFirstColumnRow + 3),
                                  Translated(kFirstColumnRow + 4)});
    m_listView1->setRootIsDecorated(false);
    m_listView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView1->setVisible(false);
    auto* buttonChangeIP = hiddenButton("ButtonChangeIP", "Change IP Address");
    auto* buttonFactoryDefault = hiddenButton("ButtonFactoryDefault", "Factory Default");
    auto* buttonBrowser = hiddenButton("ButtonBrowser", "Web Setup");
    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {m_buttonDiscover, buttonChangeIP, buttonFactoryDefault, buttonBrowser})
        actions->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listView1);
    layout->addLayout(actions);
    layout->addWidget(group);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ApplyLanguageRows(*this, kNetSetupRows, CurrentLanguage());

    connect(buttonExit, &QPushButton::clicked, this, &TFormNetSetup::ButtonExitClick);
    connect(m_buttonDiscover, &QPushButton::clicked, this, &TFormNetSetup::ButtonDiscoverClick);
    connect(m_listView1, &QTreeWidget::itemClicked, this, &TFormNetSetup::ListView1Click);
    connect(buttonChangeIP, &QPushButton::clicked, this, &TFormNetSetup::ButtonChangeIPClick);
    connect(buttonFactoryDefault, &QPushButton::clicked, this, &TFormNetSetup::ButtonFactoryDefaultClick);
    connect(buttonBrowser, &QPushButton::clicked, this, &TFormNetSetup::ButtonBrowserClick);

    ButtonDiscoverClick();
    if (m_record.host.isEmpty()) {
        if (QTreeWidgetItem* first = m_listView1->topLevelItem(0)) {
            first->setSelected(true);
            m_record.host = first->text(IpAddress);
        } else {
            m_record.host = QLatin1StringView(kDefaultHost);
        }
    }
    m_editIPAddr->setText(m_record.host);
    m_editPort->setText(QString::number(m_record.port));
}

void TFormNetSetup::ButtonExitClick()
{
    m_record.host = m_editIPAddr->text();
    bool ok = false;
    const int port = m_editPort->text().toInt(&ok);
    if (!ok) {
        m_prompts.showMessage(MessageKind::Error,
                              QStringLiteral("'%1' is not a valid integer value").arg(m_editPort->text()));
        return;
    }
    m_record.port = port;
    accept();
}

void TFormNetSetup::ButtonDiscoverClick()
{
    m_buttonDiscover->setEnabled(false);
    m_listView1->clear();
    QCoreApplication::processEvents();
    m_discovery.discover(m_sequenceNumber, [this](const DiscoveryReply& reply) {
        auto* row = new QTreeWidgetItem(m_listView1);
        row->setText(PrinterName, QString::fromLatin1(reply.name));
        row->setText(Mac, QString::fromLatin1(FormatMacAddress(reply.mac)));
        row->setText(IpAddress, QString::fromLatin1(FormatIpv4(reply.address)));
        row->setText(ModelName, QString::fromLatin1(reply.model));
        row->setText(Status, QString::fromLatin1(DiscoveryStatusText(reply.status, reply.errorFlags)));
    });
    ++m_sequenceNumber;
    m_buttonDiscover->setEnabled(true);
}

void TFormNetSetup::ListView1Click()
{
    const QList<QTreeWidgetItem*> selected = m_listView1->selectedItems();
    if (!selected.isEmpty())
        m_editIPAddr->setText(selected.first()->text(IpAddress));
}

std::optional<MacBytes> TFormNetSetup::selectedMac() const
{
    const QList<QTreeWidgetItem*> selected = m_listView1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return ParseMacAddress(selected.first()->text(Mac).toLatin1());
}

void TFormNetSetup::ButtonChangeIPClick()
{
    const auto mac = selectedMac();
    if (!mac)
        return;
    const auto exchange = m_discovery.exchangeSettings(m_sequenceNumber, *mac);
    if (!exchange)
        return;
    // A group that does not answer leaves its fields empty, and DHCP off.
    EthernetSettings settings;
    settings.dhcp = 0;
    settings.ipAddress.clear();
    settings.subnetMask.clear();
    settings.gateway.clear();
    settings.lastUsedIp.clear();
    exchange->read(settings);
    const QTreeWidgetItem* row = m_listView1->selectedItems().first();
    settings.printerName = SettingsText(row->text(PrinterName).toLatin1());
    settings.macAddress = row->text(Mac).toLatin1();

    TFormEthernetSetup dialog(settings, pos(), this);
    dialog.exec();
    if (!settings.confirmed)
        return;
    exchange->write(settings);
    m_listView1->clear();
    ++m_sequenceNumber;
}

void TFormNetSetup::ButtonFactoryDefaultClick()
{
    const auto mac = selectedMac();
    if (!mac || !m_prompts.confirm(QStringLiteral("Are you sure?")))
        return;
    m_discovery.factoryDefault(m_sequenceNumber, *mac);
    m_listView1->clear();
    ++m_sequenceNumber;
}

void TFormNetSetup::ButtonBrowserClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + m_editIPAddr->text()));
}

} // namespace norvane::ui
