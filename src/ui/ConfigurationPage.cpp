#include "ConfigurationPage.h"

#include "CurrentLanguage.h"

#include "BluetoothTab.h"
#include "CommonTab.h"
#include "DEmulationTab.h"
#include "ExternalWirelessGroup.h"
#include "FtpUpdateTab.h"
#include "OperationRunner.h"
#include "PasswordGate.h"
#include "PrinterInfoGroup.h"
#include "RadioGroup.h"
#include "SerialPortTab.h"
#include "UnsendableTextMessage.h"
#include "UserPrompts.h"
#include "WirelessTab.h"
#include "ZEmulationTab.h"
#include "config/BoundedFile.h"
#include "config/DcfFile.h"
#include "protocol/ConfigurationWrite.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

const QString kDcfFilter = QStringLiteral("Configuration files (*.dcf)");
const QString kDcfSuffix = QStringLiteral("dcf");

QPushButton* newButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1StringView(name));
    return button;
}

} // namespace

ConfigurationPage::ConfigurationPage(OperationRunner& runner, PrinterConfig& mainRecord, const StatusFlags& statusFlags,
                                     RadioGroup& unitChoice, QLineEdit& printerStatus, QWidget* parent)
    : QWidget(parent), m_runner(runner), m_mainRecord(mainRecord), m_statusFlags(statusFlags), m_unitChoice(unitChoice),
      m_printerStatus(printerStatus)
{
    setObjectName(QStringLiteral("ConfigurationPage"));
    m_printerInfo = new PrinterInfoGroup;

    auto* groupBoxPrintreConfig = new QGroupBox(QStringLiteral("Printer Configuration"));
    groupBoxPrintreConfig->setObjectName(QStringLiteral("GroupBoxPrintreConfig"));
    auto* groupLayout = new QVBoxLayout(groupBoxPrintreConfig);
    buildButtons(*groupLayout);
    m_pageControl2 = new QTabWidget;
    m_pageControl2->setObjectName(QStringLiteral("PageControl2"));
    groupLayout->addWidget(m_pageControl2);
    buildTabs();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_printerInfo);
    layout->addWidget(groupBoxPrintreConfig, 1);

    connect(m_pageControl2, &QTabWidget::currentChanged, this, &ConfigurationPage::PageControl2Change);
    connect(m_wireless, &WirelessTab::lockChanged, this, &ConfigurationPage::PageControl2Change);
    connect(&m_unitChoice, &RadioGroup::itemIndexChanged, this, &ConfigurationPage::RadioGroupUnitClick);
    RadioGroupUnitClick();
    m_wireless->externalModuleGroup().setConfigurationSource([this](ConfigPageWrite& write) {
        write = {m_mainRecord, m_wireless->certificatePaths()};
        QString error;
        if (TakeConfig(write.config, error))
            return true;
        m_runner.prompts().showMessage(MessageKind::Error, error);
        return false;
    });
}

void ConfigurationPage::buildButtons(QBoxLayout& layout)
{
    m_buttonRead = newButton("ButtonRead", QStringLiteral("Read"));
    QPushButton* buttonClear = newButton("ButtonClear", QStringLiteral("Clear"));
    m_buttonConfigSet = newButton("ButtonConfigSet", QStringLiteral("Set"));
    QPushButton* buttonSave = newButton("ButtonSave", QStringLiteral("Save"));
    QPushButton* buttonLoad = newButton("ButtonLoad", QStringLiteral("Load"));
    auto* row = new QHBoxLayout;
    // No row of the language table holds this caption; it stays English in every language.
    m_checkBoxVerifyAfterSet = new QCheckBox(QStringLiteral("Verify after Set"));
    m_checkBoxVerifyAfterSet->setObjectName(QStringLiteral("CheckBoxVerifyAfterSet"));
    for (QWidget* control : std::initializer_list<QWidget*>{m_buttonRead, buttonClear, m_buttonConfigSet,
                                                            m_checkBoxVerifyAfterSet, buttonSave, buttonLoad})
        row->addWidget(control);
    row->addStretch();
    layout.addLayout(row);

    connect(m_buttonRead, &QPushButton::clicked, this, &ConfigurationPage::ButtonReadClick);
    connect(buttonClear, &QPushButton::clicked, this, &ConfigurationPage::ButtonClearClick);
    connect(m_buttonConfigSet, &QPushButton::clicked, this, &ConfigurationPage::ButtonConfigSetClick);
    connect(buttonSave, &QPushButton::clicked, this, &ConfigurationPage::SaveConfigFile);
    connect(buttonLoad, &QPushButton::clicked, this, &ConfigurationPage::LoadConfigFile);
}

void ConfigurationPage::buildTabs()
{
    m_boundTabs = {new CommonTab, new ZEmulationTab, new DEmulationTab, new SerialPortTab};
    m_wireless = new WirelessTab(m_runner);
    m_ftpUpdate = new FtpUpdateTab;
    m_tabs = {m_boundTabs[0], m_boundTabs[1], m_boundTabs[2], m_boundTabs[3], m_wireless, new BluetoothTab(m_runner),
              m_ftpUpdate};

    const QString captions[] = {QStringLiteral("Common"),    QStringLiteral("Z"),        QStringLiteral("D"),
                                QStringLiteral("RS-232"),    QStringLiteral("Wireless"), QStringLiteral("Bluetooth"),
                                QStringLiteral("FTP Update")};
    for (int page = 0; page < m_tabs.size(); ++page)
        m_pageControl2->addTab(m_tabs[page], captions[page]);

    // The access point page sits in the layout after "Wireless" but is never offered; taking it out keeps
    // the tab indexes equal to the page numbers of the write.
    auto* tabSheet10 = new QWidget;
    tabSheet10->setObjectName(QStringLiteral("TabSheet10"));
    const int accessPointIndex = static_cast<int>(ConfigPage::Bluetooth);
    m_pageControl2->insertTab(accessPointIndex, tabSheet10, QStringLiteral("WiFi AP"));
    m_pageControl2->removeTab(accessPointIndex);
}

PageUnits ConfigurationPage::pageUnits() const
{
    return {m_unitChoice.itemIndex() == static_cast<int>(LengthUnit::Inch) ? LengthUnit::Inch : LengthUnit::Mm};
}

void ConfigurationPage::ShowConfig(const PrinterConfig& record)
{
    m_unkeptMarks.clear();
    m_printerInfo->showConfig(record);
    const PageUnits units = pageUnits();
    for (ConfigTab* tab : m_tabs)
        tab->showConfig(record, units);
    // A secret the user had opened for typing must not show what a configuration brings in clear.
    maskSecrets();
}

bool ConfigurationPage::TakeConfig(PrinterConfig& record, QString& error)
{
    const PageUnits units = pageUnits();
    record.unitIsInch = units.unit == LengthUnit::Inch ? 1 : 0;
    for (ConfigTab* tab : m_tabs) {
        if (!tab->takeConfig(record, units, error))
            return false;
    }
    return true;
}

void ConfigurationPage::setReadEnabled(bool enabled)
{
    m_buttonRead->setEnabled(enabled);
}

void ConfigurationPage::lockWirelessAfterReset()
{
    m_wireless->lockAfterReset();
}

void ConfigurationPage::maskSecrets()
{
    m_wireless->maskSecrets();
    m_ftpUpdate->maskSecrets();
}

void ConfigurationPage::ButtonReadClick()
{
    maskSecrets();
    PrinterConfig working;
    if (m_runner.RunOperation<OperationCode::ReadConfiguration>(working, 1) != ResultCode::Success)
        return;
    m_mainRecord = working;
    ShowConfig(m_mainRecord);
}

void ConfigurationPage::ButtonClearClick()
{
    ClearConfig(m_mainRecord);
    ShowConfig(m_mainRecord);
}

void ConfigurationPage::ButtonConfigSetClick()
{
    // The page goes into a copy, so the main record keeps the configuration last read.
    ConfigPageWrite write{m_mainRecord, {}};
    if (!PasswordGate(m_runner) || !m_wireless->WiFiKeyCheck())
        return;
    QString error;
    if (!TakeConfig(write.config, error)) {
        m_runner.prompts().showMessage(MessageKind::Error, error);
        return;
    }
    write.certificates = m_wireless->certificatePaths();
    const int page = m_pageControl2->currentIndex();
    if (const auto field = UnsendableTextField(write, page)) {
        m_runner.prompts().showMessage(MessageKind::Error, UnsendableTextMessage(*field));
        return;
    }
    if (m_checkBoxVerifyAfterSet->isChecked())
        reportUnkeptSettings(write, page);
    else
        m_runner.RunOperation<OperationCode::WriteConfigurationPage>(write, page);
    maskSecrets();
}

void ConfigurationPage::reportUnkeptSettings(ConfigPageWrite& write, int page)
{
    PrinterConfig readBack;
    const ResultCode result = m_runner.RunOperations([&](CommandDispatcher& dispatcher, InterfaceKind kind) {
        const ResultCode sent = dispatcher.dispatch<OperationCode::WriteConfigurationPage>(kind, write, page);
        if (sent != ResultCode::Success)
            return sent;
        return dispatcher.dispatch<OperationCode::ReadConfiguration>(kind, readBack, 1);
    });
    m_unkeptMarks.clear();
    if (result != ResultCode::Success)
        return;
    const QList<UnkeptSetting> unkept = SettingsNotKept(write.config, readBack, page);
    if (unkept.isEmpty())
        return;
    const QString report = m_unkeptMarks.markAndReport(unkept, readBack, pageUnits().unit);
    m_runner.prompts().showMessage(MessageKind::Information,
                                   QStringLiteral("The printer did not keep these settings:\n") + report);
}

void ConfigurationPage::SaveConfigFile()
{
    UserPrompts& prompts = m_runner.prompts();
    const QString path = prompts.chooseSaveFile(kDcfFilter, kDcfSuffix);
    if (path.isEmpty())
        return;
    // Taken before the file is touched, so a field that does not convert leaves an existing file whole.
    PrinterConfig taken = m_mainRecord;
    QString error;
    if (!TakeConfig(taken, error)) {
        prompts.showMessage(MessageKind::Error, error);
        return;
    }
    m_mainRecord = taken;
    if (!SaveDcfFile(path, {m_mainRecord, pageUnits().unit, m_statusFlags}, error))
        prompts.showMessage(MessageKind::Error, QStringLiteral("The configuration was not saved: %1").arg(error));
}

void ConfigurationPage::LoadConfigFile()
{
    UserPrompts& prompts = m_runner.prompts();
    const QString path = prompts.chooseOpenFile(kDcfFilter);
    if (path.isEmpty())
        return;
    // Read whole and bounded, so a FIFO or a device chosen by mistake cannot hang the window.
    QString error;
    const auto image = ReadWholeFile(path, kDcfFileSize, error);
    DcfContents contents;
    if (!image || !ReadDcf(*image, contents, error)) {
        prompts.showMessage(MessageKind::Error, error);
        return;
    }
    // The unit first, so the lengths are shown in the unit they were saved in; a unit other than the two
    // counts as mm, as the unit choice takes an index past its last item for the last item.
    m_unitChoice.setItemIndex(static_cast<int>(contents.unit == LengthUnit::Inch ? LengthUnit::Inch : LengthUnit::Mm));
    m_printerStatus.setText(TranslatedStatus(StatusText(contents.status)));
    ShowConfig(contents.config);
}

void ConfigurationPage::RadioGroupUnitClick()
{
    const QString name = m_unitChoice.itemText(m_unitChoice.itemIndex());
    for (BoundConfigTab* tab : m_boundTabs)
        tab->setUnitName(name);
}

void ConfigurationPage::PageControl2Change()
{
    m_buttonConfigSet->setEnabled(!(m_pageControl2->currentWidget() == m_wireless && m_wireless->isLocked()));
}

} // namespace norvane::ui
