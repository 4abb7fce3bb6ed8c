#pragma once

#include "BoundConfigTab.h"

class QComboBox;
class QLineEdit;

namespace norvane::ui {

/// The "Common" tab (`TabSheet5`): the printer's own print, media, sensor and language settings.
class CommonTab : public BoundConfigTab
{
    Q_OBJECT

public:
    explicit CommonTab(QWidget* parent = nullptr);

    /// Shows the cut piece only along with the post-print action "CUTTER".
    void showConfig(const PrinterConfig& record, const PageUnits& units) override;

private:
    QComboBox* m_comboBoxPrintOut = nullptr;
    QLineEdit* m_editCutterPiece = nullptr;
};

} // namespace norvane::ui
