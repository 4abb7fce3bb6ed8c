#include "TFormPasswordSetup.h"

#include "CurrentLanguage.h"
#include "DialogButtons.h"
#include "ItemText.h"
#include "LanguageRows.h"
#include "UserPrompts.h"
#include "protocol/PrinterPassword.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kPasswordSetupRows[] = {
    {"FormPasswordSetup", 258}, {"LabelOldPassword", 259}, {"LabelNewPassword", 260}, {"ButtonOK", 0},
    {"ButtonCancel", 2},
};

QLineEdit* addEdit(QFormLayout& form, const char* labelName, const QString& labelText, const char* editName)
{
    auto* label = new QLabel(labelText);
    label->setObjectName(QLatin1StringView(labelName));
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(editName));
    edit->setMinimumWidth(220);
    // A message about the field names it by its caption.
    label->setBuddy(edit);
    form.addRow(label, edit);
    return edit;
}

} // namespace

TFormPasswordSetup::TFormPasswordSetup(PasswordRecord& record, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_record(record), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormPasswordSetup"));
    setWindowTitle(QStringLiteral("Password Setup"));

    auto* form = new QFormLayout;
    m_editOldPassword = addEdit(*form, "LabelOldPassword", QStringLiteral("Old Password"), "EditOldPassword");
    m_editNewPassword = addEdit(*form, "LabelNewPassword", QStringLiteral("New Password"), "EditNewPassword");

    const auto [buttons, ok, cancel] = MakeDialogButtons(QStringLiteral("OK"), "ButtonOK");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kPasswordSetupRows, CurrentLanguage());

    connect(ok, &QPushButton::clicked, this, &TFormPasswordSetup::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &TFormPasswordSetup::ButtonCancelClick);
}

void TFormPasswordSetup::ButtonOKClick()
{
    if (m_editOldPassword->text() != QString::fromLatin1(m_record.password)) {
        m_prompts.showMessage(MessageKind::Error, QStringLiteral("Incorrect"));
        return;
    }
    if (const QString problem = newPasswordProblem(); !problem.isEmpty()) {
        m_prompts.showMessage(MessageKind::Error, problem);
        return;
    }
    m_record.password = m_editNewPassword->text().toLatin1();
    m_record.confirmed = true;
    accept();
}

void TFormPasswordSetup::ButtonCancelClick()
{
    m_record.confirmed = false;
    reject();
}

QString TFormPasswordSetup::newPasswordProblem() const
{
    // Anything beyond Latin-1 would reach the printer as '?', a password nobody could type again.
    QString problem;
    const std::optional<QByteArray> password = FieldBytes(*m_editNewPassword, problem);
    return password ? NewPasswordProblem(*password) : problem;
}

} // namespace norvane::ui
