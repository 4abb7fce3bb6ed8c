#include "WirelessTab.h"

namespace norvane::ui {

WirelessTab::WirelessTab(OperationRunner& runner, QWidget* parent) : ConfigTab(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("TabSheet9"));
}

void WirelessTab::showConfig(const PrinterConfig&, const PageUnits&)
{
}

bool WirelessTab::takeConfig(PrinterConfig&, const PageUnits&, QString&)
{
    return true;
}

bool WirelessTab::WiFiKeyCheck()
{
    return true;
}

void WirelessTab::maskSecrets()
{
}

bool WirelessTab::isLocked() const
{
    return false;
}

void WirelessTab::lockAfterReset()
{
}

} // namespace norvane::ui
