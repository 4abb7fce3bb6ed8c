#pragma once

#include "PasswordRecord.h"

#include <QDialog>

class QLineEdit;

namespace norvane::ui {

class UserPrompts;

/// Changes the printer's password once the old one has been typed; on OK the record holds the new one.
class TFormPasswordSetup : public QDialog
{
    Q_OBJECT

public:
    TFormPasswordSetup(PasswordRecord& record, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    void ButtonOKClick();
    void ButtonCancelClick();
    /// Why the typed new password cannot be sent to the printer, or an empty text.
    QString newPasswordProblem() const;

    PasswordRecord& m_record;
    UserPrompts& m_prompts;
    QLineEdit* m_editOldPassword;
    QLineEdit* m_editNewPassword;
};

} // namespace norvane::ui
