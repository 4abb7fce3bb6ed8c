#pragma once

#include "ConfigTab.h"
#include "UnkeptSettingMarks.h"
#include "config/PrinterConfig.h"
#include "protocol/PrinterStatus.h"

#include <QWidget>
#include <array>

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace norvane {
struct ConfigPageWrite;
}

namespace norvane::ui {

class BoundConfigTab;
class FtpUpdateTab;
class OperationRunner;
class PrinterInfoGroup;
class RadioGroup;
class WirelessTab;

/// The printer's configuration on the "Printer Configuration" page: "Printer Information" and the group
/// `GroupBoxPrintreConfig` with Read, Clear, Set, Save, Load and the tabs of `PageControl2`, whose index is
/// the page number that Set writes.
class ConfigurationPage : public QWidget
{
    Q_OBJECT

public:
    /// `mainRecord` is the main window's configuration: Read and Clear replace it, Save copies the page into
    /// it, Set and Load leave it alone. The unit choice and the status edit belong to the main window.
    ConfigurationPage(OperationRunner& runner, PrinterConfig& mainRecord, const StatusFlags& statusFlags,
                      RadioGroup& unitChoice, QLineEdit& printerStatus, QWidget* parent = nullptr);

    /// Record to page, lengths in the page unit with the record's own resolution.
    void ShowConfig(const PrinterConfig& record);
    /// Page to record: overwrites the items the page holds and sets `unitIsInch`. False, with the standard
    /// conversion message, when a field does not convert; the record may then be partly overwritten.
    bool TakeConfig(PrinterConfig& record, QString& error);

    /// Nothing can be read over a parallel port.
    void setReadEnabled(bool enabled);
    /// After a printer reset the wireless module's settings must be read again before they are written.
    void lockWirelessAfterReset();
    /// Shows the selected unit's name, in the unit choice's current language, beside every length.
    void RadioGroupUnitClick();

private:
    void buildButtons(QBoxLayout& layout);
    void buildTabs();
    PageUnits pageUnits() const;
    void maskSecrets();

    void ButtonReadClick();
    void ButtonClearClick();
    void ButtonConfigSetClick();
    /// Writes the page, reads the configuration back, marks and reports the settings that did not stick.
    void reportUnkeptSettings(ConfigPageWrite& write, int page);
    void SaveConfigFile();
    void LoadConfigFile();
    void PageControl2Change();

    OperationRunner& m_runner;
    PrinterConfig& m_mainRecord;
    const StatusFlags& m_statusFlags;
    RadioGroup& m_unitChoice;
    QLineEdit& m_printerStatus;

    PrinterInfoGroup* m_printerInfo = nullptr;
    QPushButton* m_buttonRead = nullptr;
    QPushButton* m_buttonConfigSet = nullptr;
    /// Off: Set only writes. On: Set reads the configuration back and reports what did not stick.
    QCheckBox* m_checkBoxVerifyAfterSet = nullptr;
    UnkeptSettingMarks m_unkeptMarks{*this};
    QTabWidget* m_pageControl2 = nullptr;
    /// Every tab, in page order.
    QList<ConfigTab*> m_tabs;
    /// The tabs whose controls stand for one item each; their unit labels follow the unit choice.
    std::array<BoundConfigTab*, 4> m_boundTabs{};
    WirelessTab* m_wireless = nullptr;
    FtpUpdateTab* m_ftpUpdate = nullptr;
};

} // namespace norvane::ui
