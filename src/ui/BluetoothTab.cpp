#include "BluetoothTab.h"

#include "FormControls.h"
#include "ItemText.h"
#include "Latin1Text.h"
#include "OperationRunner.h"
#include "UserPrompts.h"
#include "protocol/BluetoothScan.h"
#include "protocol/CommandFormat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr int kNameColumn = 0;
constexpr int kAddressColumn = 1;

void addRow(QGridLayout& grid, int row, QWidget& field, const char* caption, const char* captionName = "")
{
    grid.addWidget(CaptionFor(field, caption, captionName), row, 0);
    grid.addWidget(&field, row, 1);
}

} // namespace

BluetoothTab::BluetoothTab(OperationRunner& runner, QWidget* parent) : ConfigTab(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("TabSheet11"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildLocalInformation());
    layout->addWidget(buildDevices(), 1);
}

QWidget* BluetoothTab::buildLocalInformation()
{
    m_editBTName = Named<QLineEdit>("EditBTName");
    m_editBTName->setMaxLength(TextCapacity(&PrinterConfig::btName));
    m_editBTPinCode = Named<QLineEdit>("EditBTPinCode");
    m_editBTPinCode->setMaxLength(TextCapacity(&PrinterConfig::btPinCode));
    m_editBTMACAddress = Named<QLineEdit>("EditBTMACAddress");
    m_editBTSoftware = Named<QLineEdit>("EditBTSoftware");

    auto* group = new QGroupBox(QStringLiteral("Bluetooth Local Information"));
    auto* grid = new QGridLayout(group);
    addRow(*grid, 0, *m_editBTName, "BT Name:", "LabelBTName");
    addRow(*grid, 1, *m_editBTPinCode, "BT PIN Code:", "LabelBTPinCode");
    addRow(*grid, 2, *m_editBTMACAddress, "BT MAC Address");
    addRow(*grid, 3, *m_editBTSoftware, "BT Software:");
    grid->setColumnStretch(1, 1);
    // As for a printer without a module, until a configuration is shown.
    for (QLineEdit* edit : {m_editBTName, m_editBTPinCode})
        SetEnabledWithCaption(*edit, false);
    for (QLineEdit* edit : {m_editBTMACAddress, m_editBTSoftware}) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return group;
}

QWidget* BluetoothTab::buildDevices()
{
    m_listView3 = Named<QTreeWidget>("ListView3");
    m_listView3->setHeaderLabels({QStringLiteral("Device Name"), QStringLiteral("Mac Address")});
    m_listView3->setRootIsDecorated(false);
    m_listView3->setAllColumnsShowFocus(true);
    m_listView3->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_editBTName_d = Named<QLineEdit>("EditBTName_d");
    m_editBTMAC_d = Named<QLineEdit>("EditBTMAC_d");
    auto* scanBT = Named<QPushButton>("ScanBT", QStringLiteral("Scan Bluetooth device"));
    auto* blueToothMaster = Named<QPushButton>("BlueToothMaster", QStringLiteral("Bluetooth Master"));

    auto* group = new QGroupBox(QStringLiteral("Bluetooth Device"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_listView3, 0, 0, 1, 2);
    addRow(*grid, 1, *m_editBTName_d, "Device Name:");
    addRow(*grid, 2, *m_editBTMAC_d, "Device MAC Address:");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(scanBT);
    buttons->addWidget(blueToothMaster);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    connect(scanBT, &QPushButton::clicked, this, &BluetoothTab::ScanBTClick);
    connect(m_listView3, &QTreeWidget::clicked, this, &BluetoothTab::ListView3Click);
    connect(blueToothMaster, &QPushButton::clicked, this, &BluetoothTab::BlueToothMasterClick);
    return group;
}

void BluetoothTab::showConfig(const PrinterConfig& record, const PageUnits&)
{
    const bool present = record.btPresent != 0;
    SetEnabledWithCaption(*m_editBTName, present);
    SetEnabledWithCaption(*m_editBTPinCode, present);
    // Without a module nothing of an earlier printer's module stays, to be shown, saved or written as this one's.
    m_editBTName->setText(present ? ShownText(record.btName) : QString());
    m_editBTPinCode->setText(present ? ShownText(record.btPinCode) : QString());
    m_editBTMACAddress->setText(present ? ShownText(record.btLocalMac) : QString());
    m_editBTSoftware->setText(present ? ShownText(record.btVersion) : QString());
}

bool BluetoothTab::takeConfig(PrinterConfig& record, const PageUnits&, QString& error)
{
    return TakeText(*m_editBTPinCode, record.btPinCode, error) && TakeText(*m_editBTName, record.btName, error);
}

void BluetoothTab::ScanBTClick()
{
    BluetoothScanResult scan;
    const ResultCode result = m_runner.RunOperation<OperationCode::ScanBluetooth>(scan);
    m_listView3->clear();
    if (result != ResultCode::Success)
        return;
    if (!scan.moduleFound) {
        m_runner.prompts().showMessage(MessageKind::Information, QStringLiteral("Can't find Bluetooth module!"));
        return;
    }
    for (const BluetoothDevice& device : scan.devices)
        new QTreeWidgetItem(m_listView3, {QString::fromLatin1(device.name), QString::fromLatin1(device.address)});
}

void BluetoothTab::ListView3Click()
{
    const QList<QTreeWidgetItem*> selected = m_listView3->selectedItems();
    if (selected.isEmpty())
        return;
    m_editBTName_d->setText(selected.first()->text(kNameColumn));
    m_editBTMAC_d->setText(selected.first()->text(kAddressColumn));
}

void BluetoothTab::BlueToothMasterClick()
{
    const QString text = m_editBTMAC_d->text();
    QByteArray address = text.toLatin1();
    // The printer takes the address between quotes that have no escape.
    if (!IsLatin1(text) || !QuotableText(address)) {
        m_runner.prompts().showMessage(MessageKind::Error,
                                       QStringLiteral("The device MAC address cannot be sent to the printer: it holds "
                                                      "a double quote, a control character or a character the "
                                                      "printer does not know."));
        return;
    }
    m_runner.RunOperation<OperationCode::ConnectBluetooth>(address);
}

} // namespace norvane::ui
