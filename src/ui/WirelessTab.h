#pragma once

#include "ConfigTab.h"
#include "protocol/CertificatePaths.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace norvane::ui {

class ExternalWirelessGroup;
class OperationRunner;

/// The "Wireless" tab (`TabSheet9`): the built-in wireless module group `gbWirelessProtable` with its key
/// check, masked secrets, certificate files, the wireless lock and Wireless Factory Default, and the
/// external module group `gbWirelessExtDev`, laid out but hidden.
class WirelessTab : public ConfigTab
{
    Q_OBJECT

public:
    explicit WirelessTab(OperationRunner& runner, QWidget* parent = nullptr);

    void showConfig(const PrinterConfig& record, const PageUnits& units) override;
    bool takeConfig(PrinterConfig& record, const PageUnits& units, QString& error) override;

    /// The check of the WLAN key before a configuration write; false (after its message, if any) when the
    /// key does not fit the chosen encryption.
    bool WiFiKeyCheck();
    /// Shows `EditWiFiKey`, `edtWiFiUsername` and `edtWiFiPasswd` masked again.
    void maskSecrets();
    /// The certificate files last handed over by `takeConfig` with an EAP type chosen; they stay in force
    /// for later writes until replaced.
    const CertificatePaths& certificatePaths() const { return m_certificatePaths; }
    /// Locked while `edtWiFiMac` is red: the tab's settings must not be written.
    bool isLocked() const;
    /// After a printer reset: "00:00:00:00:00:00", locked, Wireless Factory Default disabled.
    void lockAfterReset();
    ExternalWirelessGroup& externalModuleGroup() { return *m_gbWirelessExtDev; }

signals:
    /// Emitted whenever the lock is applied or lifted, so the page can enable or disable its Set button.
    void lockChanged(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildBuiltInGroup();
    void buildNetworkFields(QGridLayout& grid);
    void buildEnterpriseFields(QGridLayout& grid);
    void buildInformationFields(QGridLayout& grid);
    void showBuiltInModule(const PrinterConfig& record);
    void showAddresses(const PrinterConfig& record);
    void clearBuiltInModule();
    bool takeAddresses(PrinterConfig& record, QString& error) const;
    void applyLock(bool locked);
    void releaseFocus();
    void enableCertificateFields();
    void refuseKey(const QString& message);
    void chooseCertificate(QLineEdit& path, QString& chosenFile, const QString& filter);
    void showCertificate(QLineEdit& path, QString& chosenFile, const QString& text);
    void resetCertificatePaths();

    void ComboBoxWiFiEncryptionChange();
    void cbxWiFiEapTypeChange();
    void ComboBoxWiFiDHCPChange();
    void btnSrvCerBrowseClick();
    void btnClientCerBrowseClick();
    void btnClientKeyBrowseClick();
    void btnWirlessFactoryDefClick();
    void EditWiFiKeyEnter();
    void edtWiFiUsernameEnter();
    void edtWiFiPasswdEnter();

    OperationRunner& m_runner;
    CertificatePaths m_certificatePaths;
    /// The files the user chose with the Browse buttons for the three path fields. Only these are handed
    /// over: the placeholders and the names the printer reported are not files of this machine to send.
    CertificatePaths m_chosenCertificates;

    QLineEdit* m_editWiFiSSID = nullptr;
    QComboBox* m_comboBoxWiFiEncryption = nullptr;
    QLineEdit* m_editWiFiKey = nullptr;
    QComboBox* m_comboBoxWiFiDHCP = nullptr;
    QLineEdit* m_editWiFiIP = nullptr;
    QLineEdit* m_editWiFiMask = nullptr;
    QLineEdit* m_editWiFiGateway = nullptr;
    QLineEdit* m_edtWiFiDnsSrvIp = nullptr;
    QComboBox* m_cbxWiFiEapType = nullptr;
    QLineEdit* m_edtWiFiUsername = nullptr;
    QLineEdit* m_edtWiFiPasswd = nullptr;
    QLineEdit* m_edtWiFiSrvCerPath = nullptr;
    QPushButton* m_btnWiFiSrvCerBrowse = nullptr;
    QLineEdit* m_edtWiFiClientCerPath = nullptr;
    QPushButton* m_btnWiFiClientCerBrowse = nullptr;
    QLineEdit* m_edtWiFiPrivKeyPath = nullptr;
    QPushButton* m_btnWiFiPrivKeyBrowse = nullptr;
    QLineEdit* m_edtWiFiMac = nullptr;
    QLineEdit* m_edit1Printname = nullptr;
    QLineEdit* m_edtRoamRssi = nullptr;
    QLineEdit* m_edtScanRssi = nullptr;
    QLineEdit* m_edtWifiRawPort = nullptr;
    QPushButton* m_btnWirlessFactoryDef = nullptr;
    ExternalWirelessGroup* m_gbWirelessExtDev = nullptr;
};

} // namespace norvane::ui
