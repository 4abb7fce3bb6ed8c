#include "TFormEthernetSetup.h"

#include "CurrentLanguage.h"
#include "LanguageRows.h"
#include "RadioGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr int kDhcpItem = 0;
constexpr int kStaticItem = 1;

QLineEdit* namedEdit(const char* name, const QByteArray& text)
{
    auto* edit = new QLineEdit(QString::fromLatin1(text));
    edit->setObjectName(QLatin1StringView(name));
    edit->setMinimumWidth(180);
    return edit;
}

QLabel* namedLabel(const char* name, const char* caption)
{
    auto* label = new QLabel(QLatin1StringView(caption));
    label->setObjectName(QLatin1StringView(name));
    return label;
}

QPushButton* namedButton(const char* name, const char* caption)
{
    auto* button = new QPushButton(QLatin1StringView(caption));
    button->setObjectName(QLatin1StringView(name));
    return button;
}

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kEthernetSetupRows[] = {
    {"FormEthernetSetup", 36},     {"RadioGroupDHCP", 215},   {"RadioGroupDHCP", 216, 0},
    {"RadioGroupDHCP", 217, 1},    {"LabelIP", 218},          {"LabelMask", 219},
    {"LabelGateWay", 220},         {"LabelPrinterName", 221}, {"LabelMACAddr", 222},
    {"ButtonSetPrinterName", 223}, {"ButtonSetIP", 224},      {"ButtonCancel", 2},
};

} // namespace

TFormEthernetSetup::TFormEthernetSetup(EthernetSettings& record, const QPoint& position, QWidget* parent)
    : QDialog(parent), m_record(record),
      m_radioGroupDHCP(new RadioGroup(QStringLiteral("IP Setup"), {QStringLiteral("DHCP"), QStringLiteral("Static IP")},
                                      Qt::Horizontal)),
      m_editIP(namedEdit("EditIP", "0.0.0.0")), m_editMask(namedEdit("EditMask", "0.0.0.0")),
      m_editGateWay(namedEdit("EditGateWay", "0.0.0.0")), m_editPrinterName(namedEdit("EditPrinterName", {})),
      m_editMACAddr(namedEdit("EditMACAddr", {}))
{
    setObjectName(QStringLiteral("FormEthernetSetup"));
    setWindowTitle(QStringLiteral("Ethernet Setup"));
    // Only the close box: no help or context button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    move(position);
    m_record.confirmed = 0;
    m_copy = m_record;

    m_radioGroupDHCP->setObjectName(QStringLiteral("RadioGroupDHCP"));
    auto* labelIP = namedLabel("LabelIP", "IP:");
    auto* labelMask = namedLabel("LabelMask", "Subnet Mask:");
    auto* labelGateWay = namedLabel("LabelGateWay", "Gateway:");
    auto* labelPrinterName = namedLabel("LabelPrinterName", "Printer Name:");
    auto* labelMACAddr = namedLabel("LabelMACAddr", "MAC Address:");
    m_addressRows = {labelIP, m_editIP, labelMask, m_editMask, labelGateWay, m_editGateWay};
    m_editPrinterName->setMaxLength(static_cast<int>(EthernetSettings::kMaxPrinterNameLength));
    m_editMACAddr->setReadOnly(true);
    m_editMACAddr->setEnabled(false);

    auto* grid = new QGridLayout;
    const QList<std::pair<QLabel*, QLineEdit*>> rows{{labelIP, m_editIP},
                                                     {labelMask, m_editMask},
                                                     {labelGateWay, m_editGateWay},
                                                     {labelPrinterName, m_editPrinterName},
                                                     {labelMACAddr, m_editMACAddr}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0, Qt::AlignRight);
        grid->addWidget(rows[row].second, row, 1);
    }
    auto* buttonSetPrinterName = namedButton("ButtonSetPrinterName", "Set Printer Name");
    auto* buttonSetIP = namedButton("ButtonSetIP", "Set IP");
    auto* buttonCancel = namedButton("ButtonCancel", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buttonSetPrinterName);
    buttons->addStretch();
    buttons->addWidget(buttonSetIP);
    buttons->addWidget(buttonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_radioGroupDHCP);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const bool dhcp = m_copy.dhcp == 1;
    m_radioGroupDHCP->setItemIndex(dhcp ? kDhcpItem : kStaticItem);
    m_editIP->setText(QString::fromLatin1(dhcp ? m_copy.lastUsedIp : m_copy.ipAddress));
    m_editMask->setText(QString::fromLatin1(m_copy.subnetMask));
    m_editGateWay->setText(QString::fromLatin1(m_copy.gateway));
    labelPrinterName->setVisible(true);
    m_editPrinterName->setVisible(true);
    m_editPrinterName->setText(QString::fromLatin1(m_copy.printerName));
    m_editMACAddr->setText(QString::fromLatin1(m_copy.macAddress));
    enableAddressRows();

    ApplyLanguageRows(*this, kEthernetSetupRows, CurrentLanguage());

    connect(m_radioGroupDHCP, &RadioGroup::itemIndexChanged, this, &TFormEthernetSetup::RadioGroupDHCPClick);
    connect(buttonSetIP, &QPushButton::clicked, this, &TFormEthernetSetup::ButtonSetIPClick);
    connect(buttonSetPrinterName, &QPushButton::clicked, this, &TFormEthernetSetup::ButtonSetPrinterNameClick);
    connect(buttonCancel, &QPushButton::clicked, this, &TFormEthernetSetup::ButtonCancelClick);
}

void TFormEthernetSetup::enableAddressRows()
{
    for (QWidget* widget : m_addressRows)
        widget->setEnabled(m_copy.dhcp != 1);
}

void TFormEthernetSetup::RadioGroupDHCPClick()
{
    m_copy.dhcp = m_radioGroupDHCP->itemIndex() == kDhcpItem ? 1 : 0;
    enableAddressRows();
}

void TFormEthernetSetup::ButtonSetIPClick()
{
    m_record.ipAddress = SettingsText(m_editIP->text().toLatin1());
    m_record.subnetMask = SettingsText(m_editMask->text().toLatin1());
    m_record.gateway = SettingsText(m_editGateWay->text().toLatin1());
    m_record.dhcp = m_radioGroupDHCP->itemIndex() == kDhcpItem ? 1 : 0;
    m_record.action = EthernetSettings::SetIp;
    m_record.confirmed = 1;
    accept();
}

void TFormEthernetSetup::ButtonSetPrinterNameClick()
{
    m_record.printerName = SettingsText(m_editPrinterName->text().toLatin1());
    m_record.action = EthernetSettings::SetPrinterName;
    m_record.confirmed = 1;
    accept();
}

void TFormEthernetSetup::ButtonCancelClick()
{
    m_record.confirmed = 0;
    reject();
}

} // namespace norvane::ui
