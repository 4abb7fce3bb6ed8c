#pragma once

#include "ConfigTab.h"

namespace norvane::ui {

class OperationRunner;

/// The "Bluetooth" tab (`TabSheet11`): the module's identity from the configuration, and the search for
/// devices (`ScanBT`, `ListView3`) and the master connection (`BlueToothMaster`).
class BluetoothTab : public ConfigTab
{
    Q_OBJECT

public:
    explicit BluetoothTab(OperationRunner& runner, QWidget* parent = nullptr);

    void showConfig(const PrinterConfig& record, const PageUnits& units) override;
    bool takeConfig(PrinterConfig& record, const PageUnits& units, QString& error) override;

private:
    OperationRunner& m_runner;
};

} // namespace norvane::ui
