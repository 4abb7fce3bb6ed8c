#pragma once

#include "link/LinkSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace norvane::ui {

/// Chooses the parallel port; "Set" stores it, "Cancel" leaves the record as it was.
class TFormLPTSetup : public QDialog
{
    Q_OBJECT

public:
    explicit TFormLPTSetup(ParallelLinkSettings& record, QWidget* parent = nullptr);

private:
    void ButtonSetClick();
    void ComboBoxLPTChange();

    ParallelLinkSettings& m_record;
    QComboBox* m_comboBoxLPT;
    QLabel* m_labelLptDevice;
};

} // namespace norvane::ui
