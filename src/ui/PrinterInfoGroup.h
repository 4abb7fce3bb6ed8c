#pragma once

#include "config/PrinterConfig.h"

#include <QGroupBox>

class QLineEdit;

namespace norvane::ui {

/// "Printer Information" (`GroupBoxPrinterInfo`): the identity and counters of the printer last read,
/// read-only.
class PrinterInfoGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit PrinterInfoGroup(QWidget* parent = nullptr);

    /// Shown whatever the record's flags say.
    void showConfig(const PrinterConfig& record);

private:
    QLineEdit* m_editVersion = nullptr;
    QLineEdit* m_editSerial = nullptr;
    QLineEdit* m_editCuttingCounter = nullptr;
    QLineEdit* m_editResetCuttingCounter = nullptr;
    QLineEdit* m_editMilage = nullptr;
    QLineEdit* m_editResetMilage = nullptr;
    QLineEdit* m_editChecksum = nullptr;
};

} // namespace norvane::ui
