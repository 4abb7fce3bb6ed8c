#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace norvane {
struct DumpRequest;
}

namespace norvane::ui {

class RadioGroup;
class UserPrompts;

/// Chooses where the printer's dump goes: printed, a file on its card, or its Dump.txt for fetching. OK
/// confirms the record with the chosen mode and card file name; Cancel and the close box leave it unconfirmed.
class TFormDumpTextSetup : public QDialog
{
    Q_OBJECT

public:
    TFormDumpTextSetup(DumpRequest& request, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    /// Printing needs no name and the card does; saving to Dump.txt leaves the field as it was.
    void showMode(int mode);
    void ButtonOKClick();
    void ButtonCancelClick();

    DumpRequest& m_request;
    UserPrompts& m_prompts;
    RadioGroup* m_radioGroupDumpMode;
    QLabel* m_labelFileName;
    QLineEdit* m_editFileName;
};

} // namespace norvane::ui
