#include "TFormPassword.h"

#include "CurrentLanguage.h"
#include "DialogButtons.h"
#include "LanguageRows.h"
#include "UserPrompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kPasswordRows[] = {
    {"FormPassword", 261},
    {"ButtonOK", 0},
    {"ButtonCancel", 2},
};

} // namespace

TFormPassword::TFormPassword(PasswordRecord& record, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_record(record), m_prompts(prompts),
      m_editPassword(new QLineEdit)
{
    setObjectName(QStringLiteral("FormPassword"));
    setWindowTitle(QStringLiteral("Please enter your password"));
    m_editPassword->setObjectName(QStringLiteral("EditPassword"));
    m_editPassword->setMinimumWidth(260);

    const auto [buttons, ok, cancel] = MakeDialogButtons(QStringLiteral("OK"), "ButtonOK");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editPassword);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kPasswordRows, CurrentLanguage());

    connect(ok, &QPushButton::clicked, this, &TFormPassword::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &TFormPassword::ButtonCancelClick);
}

void TFormPassword::ButtonOKClick()
{
    if (m_editPassword->text() != QString::fromLatin1(m_record.password)) {
        m_prompts.showMessage(MessageKind::Error, QStringLiteral("Incorrect"));
        return;
    }
    m_record.confirmed = true;
    accept();
}

void TFormPassword::ButtonCancelClick()
{
    m_record.confirmed = false;
    reject();
}

} // namespace norvane::ui
