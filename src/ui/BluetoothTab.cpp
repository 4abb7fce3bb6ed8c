#include "BluetoothTab.h"

namespace norvane::ui {

BluetoothTab::BluetoothTab(OperationRunner& runner, QWidget* parent) : ConfigTab(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("TabSheet11"));
}

void BluetoothTab::showConfig(const PrinterConfig&, const PageUnits&)
{
}

bool BluetoothTab::takeConfig(PrinterConfig&, const PageUnits&, QString&)
{
    return true;
}

} // namespace norvane::ui
