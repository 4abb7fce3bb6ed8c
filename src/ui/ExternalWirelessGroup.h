#pragma once

#include "config/PrinterConfig.h"
#include "protocol/ConfigurationWrite.h"
#include "protocol/ExternalModule.h"

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace norvane::ui {

class OperationRunner;

/// The "External wireless module" group (`gbWirelessExtDev`) of the "Wireless" tab: the settings of a module
/// on the printer's serial port, set up through the printer's module mode. It is kept hidden: the program
/// does not offer the module's setup.
///
/// Setup writes the Bluetooth name and PIN code shown in the group's own fields to the module: they are
/// what the module reported (or what the configuration held) as the user left them.
class ExternalWirelessGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit ExternalWirelessGroup(OperationRunner& runner, QWidget* parent = nullptr);
    ~ExternalWirelessGroup() override;

    /// Fills the group's Bluetooth and wireless fields from `record`; the page never takes them back.
    void showConfig(const PrinterConfig& record);

    /// Where Setup takes the configuration it writes after the module's settings: false (after its message)
    /// when the page's fields do not convert.
    void setConfigurationSource(std::function<bool(ConfigPageWrite&)> takeConfiguration);

    /// On while the printer is in module mode: the configuration tabs stay on the "Wireless" tab meanwhile.
    bool isSetupActive() const { return m_setupActive; }

private:
    QWidget* buildWirelessPanel();
    QWidget* buildBluetoothPanel();
    void showWirelessModule(const PrinterConfig& record);
    void enableBluetoothFields(bool enabled);
    void leaveSetup();
    QTabWidget* configurationTabs() const;
    QWidget* wirelessTabPage() const;
    void keepOnWirelessTab();
    void keepFocusInTab(QWidget* now);
    bool takeModuleSettings(ModuleBluetoothSettings& settings);

    void btnEnableExtSetupClick();
    void btnSetToModuleClick();
    void ButtonScanAPClick();
    void ListView1Click();
    void cbbExWiFiEncryptionChange();
    void cbbExWiFiDHCPChange();

    OperationRunner& m_runner;
    std::function<bool(ConfigPageWrite&)> m_takeConfiguration;
    bool m_setupActive = false;
    bool m_bluetoothModule = false;
    bool m_tabsWatched = false;
    QMetaObject::Connection m_focusWatch;

    QLineEdit* m_edtExWiFiSSID = nullptr;
    QComboBox* m_cbbExWiFiEncryption = nullptr;
    QLineEdit* m_edtExWiFiKey = nullptr;
    QComboBox* m_cbbExWiFiDHCP = nullptr;
    QLineEdit* m_edtExWiFiIP = nullptr;
    QLineEdit* m_edtExWiFiMask = nullptr;
    QLineEdit* m_edtExWiFiGateway = nullptr;
    QTreeWidget* m_listView1 = nullptr;
    QLineEdit* m_edtExBTName = nullptr;
    QLineEdit* m_edtExBTPinCode = nullptr;
    QPushButton* m_btnEnableExtSetup = nullptr;
    QPushButton* m_btnSetToModule = nullptr;
};

} // namespace norvane::ui
