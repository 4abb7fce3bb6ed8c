#include "FtpUpdateTab.h"

namespace norvane::ui {

FtpUpdateTab::FtpUpdateTab(QWidget* parent) : ConfigTab(parent)
{
    setObjectName(QStringLiteral("tsFtpUpd"));
}

void FtpUpdateTab::showConfig(const PrinterConfig&, const PageUnits&)
{
}

bool FtpUpdateTab::takeConfig(PrinterConfig&, const PageUnits&, QString&)
{
    return true;
}

void FtpUpdateTab::maskSecrets()
{
}

} // namespace norvane::ui
