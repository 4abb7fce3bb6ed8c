#pragma once

#include "ConfigTab.h"
#include "protocol/CertificatePaths.h"

namespace norvane::ui {

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

signals:
    /// Emitted whenever the lock is applied or lifted, so the page can enable or disable its Set button.
    void lockChanged(bool locked);

private:
    OperationRunner& m_runner;
    CertificatePaths m_certificatePaths;
};

} // namespace norvane::ui
