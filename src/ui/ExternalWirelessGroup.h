#pragma once

#include "config/PrinterConfig.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace norvane::ui {

/// The "External wireless module" group (`gbWirelessExtDev`) of the "Wireless" tab: the settings of a module
/// on the printer's serial port. It is laid out and filled from the configuration, but kept hidden: the
/// program does not offer the module's setup.
class ExternalWirelessGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit ExternalWirelessGroup(QWidget* parent = nullptr);

    /// Fills the group's Bluetooth and wireless fields from `record`; the page never takes them back.
    void showConfig(const PrinterConfig& record);

private:
    QWidget* buildWirelessPanel();
    QWidget* buildBluetoothPanel();
    void showWirelessModule(const PrinterConfig& record);

    QLineEdit* m_edtExWiFiSSID = nullptr;
    QComboBox* m_cbbExWiFiEncryption = nullptr;
    QLineEdit* m_edtExWiFiKey = nullptr;
    QComboBox* m_cbbExWiFiDHCP = nullptr;
    QLineEdit* m_edtExWiFiIP = nullptr;
    QLineEdit* m_edtExWiFiMask = nullptr;
    QLineEdit* m_edtExWiFiGateway = nullptr;
    QLineEdit* m_edtExBTName = nullptr;
    QLineEdit* m_edtExBTPinCode = nullptr;
};

} // namespace norvane::ui
