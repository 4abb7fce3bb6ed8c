#pragma once

#include "link/LinkSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace norvane::ui {

/// Edits the serial link settings; "Set" stores the chosen items, "Cancel" leaves the record as it was.
class TFormRs232Setup : public QDialog
{
    Q_OBJECT

public:
    explicit TFormRs232Setup(SerialLinkSettings& record, QWidget* parent = nullptr);

private:
    void ButtonSetClick();
    void ComboBoxComPortChange();

    SerialLinkSettings& m_record;
    QComboBox* m_comboBoxComPort;
    QComboBox* m_comboBoxBaudRate;
    QComboBox* m_comboBoxDataBit;
    QComboBox* m_comboBoxParity;
    QComboBox* m_comboBoxStopBit;
    QComboBox* m_comboBoxHdShak;
    QComboBox* m_comboBoxSWShak;
    QLabel* m_labelComDevice;
};

} // namespace norvane::ui
