#pragma once

#include "ConfigTab.h"

class QComboBox;
class QLineEdit;

namespace norvane::ui {

/// The "FTP Update" tab (`tsFtpUpd`): the printer's firmware update by FTP, with `Memo1`'s sample of the
/// description file.
class FtpUpdateTab : public ConfigTab
{
    Q_OBJECT

public:
    explicit FtpUpdateTab(QWidget* parent = nullptr);

    void showConfig(const PrinterConfig& record, const PageUnits& units) override;
    bool takeConfig(PrinterConfig& record, const PageUnits& units, QString& error) override;

    /// Shows `edtFtpUser` and `edtFtpPswd` masked again.
    void maskSecrets();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDescriptionFormat();

    void edtFtpUserEnter();
    void edtFtpPswdEnter();
    void edtFtpPathExit();

    QLineEdit* m_edtFtpSrvIp = nullptr;
    QLineEdit* m_edtFtpUser = nullptr;
    QLineEdit* m_edtFtpPswd = nullptr;
    QLineEdit* m_edtFtpPath = nullptr;
    QComboBox* m_cbxFtpcEnabled = nullptr;
    QLineEdit* m_edtDescriptFile = nullptr;
};

} // namespace norvane::ui
