#pragma once

#include "ConfigTab.h"

class QLineEdit;
class QTreeWidget;

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
    QWidget* buildLocalInformation();
    QWidget* buildDevices();

    void ScanBTClick();
    void ListView3Click();
    void BlueToothMasterClick();

    OperationRunner& m_runner;
    QLineEdit* m_editBTName = nullptr;
    QLineEdit* m_editBTPinCode = nullptr;
    QLineEdit* m_editBTMACAddress = nullptr;
    QLineEdit* m_editBTSoftware = nullptr;
    QTreeWidget* m_listView3 = nullptr;
    QLineEdit* m_editBTName_d = nullptr;
    QLineEdit* m_editBTMAC_d = nullptr;
};

} // namespace norvane::ui
