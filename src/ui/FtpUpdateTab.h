#pragma once

#include "ConfigTab.h"

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
};

} // namespace norvane::ui
