#pragma once

#include "PasswordRecord.h"

#include <QDialog>

class QLineEdit;

namespace norvane::ui {

class UserPrompts;

/// Asks for the printer's password; a wrong one is answered "Incorrect" and may be tried again.
class TFormPassword : public QDialog
{
    Q_OBJECT

public:
    TFormPassword(PasswordRecord& record, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    void ButtonOKClick();
    void ButtonCancelClick();

    PasswordRecord& m_record;
    UserPrompts& m_prompts;
    QLineEdit* m_editPassword;
};

} // namespace norvane::ui
