#pragma once

#include "link/LinkSettings.h"

#include <QDialog>

class QComboBox;

namespace norvane::ui {

/// Chooses the parallel port; "Set" stores it, "Cancel" leaves the record as it was.
class TFormLPTSetup : public QDialog
{
    Q_OBJECT

public:
    explicit TFormLPTSetup(ParallelLinkSettings& record, QWidget* parent = nullptr);

private:
    void ButtonSetClick();

    ParallelLinkSettings& m_record;
    QComboBox* m_comboBoxLPT;
};

} // namespace norvane::ui
