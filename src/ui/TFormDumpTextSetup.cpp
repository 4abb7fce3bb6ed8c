#include "TFormDumpTextSetup.h"

#include "CurrentLanguage.h"
#include "DialogButtons.h"
#include "ItemText.h"
#include "LanguageRows.h"
#include "RadioGroup.h"
#include "UserPrompts.h"
#include "protocol/DumpOperations.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kDumpRows[] = {
    {"FormDumpTextSetup", 254},
    {"RadioGroupDumpMode", 254},
    {"RadioGroupDumpMode", 255, 0},
    {"RadioGroupDumpMode", 256, 1},
    {"RadioGroupDumpMode", 257, 2},
    {"LabelFileName", 154},
    {"ButtonOK", 0},
    {"ButtonCancel", 2},
};

} // namespace

TFormDumpTextSetup::TFormDumpTextSetup(DumpRequest& request, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_request(request), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormDumpTextSetup"));
    setWindowTitle(QStringLiteral("Dump Text Setup"));
    m_request.confirmed = false;

    m_radioGroupDumpMode = new RadioGroup(
        QStringLiteral("Dump Text Setup"),
        {QStringLiteral("Print Label"), QStringLiteral("Save to SD Card"), QStringLiteral("Save to File")},
        Qt::Vertical);
    m_radioGroupDumpMode->setObjectName(QStringLiteral("RadioGroupDumpMode"));

    m_labelFileName = new QLabel(QStringLiteral("File Name"));
    m_labelFileName->setObjectName(QStringLiteral("LabelFileName"));
    m_editFileName = new QLineEdit(QString::fromLatin1(m_request.fileName));
    m_editFileName->setObjectName(QStringLiteral("EditFileName"));
    m_editFileName->setMaxLength(static_cast<int>(kDumpCardNameLimit));
    m_labelFileName->setBuddy(m_editFileName);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_labelFileName);
    nameRow->addWidget(m_editFileName, 1);

    const auto [buttons, ok, cancel] = MakeDialogButtons(QStringLiteral("OK"), "ButtonOK");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_radioGroupDumpMode);
    layout->addLayout(nameRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kDumpRows, CurrentLanguage());

    m_radioGroupDumpMode->setItemIndex(m_request.mode);
    showMode(m_request.mode);
    connect(m_radioGroupDumpMode, &RadioGroup::itemIndexChanged, this, [this](int mode) {
        m_request.mode = mode;
        showMode(mode);
    });
    connect(ok, &QPushButton::clicked, this, &TFormDumpTextSetup::ButtonOKClick);
    connect(cancel, &QPushButton::clicked, this, &TFormDumpTextSetup::ButtonCancelClick);
}

void TFormDumpTextSetup::showMode(int mode)
{
    if (mode == static_cast<int>(DumpMode::PrintLabel))
        m_editFileName->setEnabled(false);
    else if (mode == static_cast<int>(DumpMode::SaveToCard))
        m_editFileName->setEnabled(true);
}

void TFormDumpTextSetup::ButtonOKClick()
{
    QString problem;
    const std::optional<QByteArray> fileName = FieldBytes(*m_editFileName, problem);
    if (!fileName) {
        m_prompts.showMessage(MessageKind::Error, problem);
        return;
    }
    m_request.mode = m_radioGroupDumpMode->itemIndex();
    m_request.fileName = *fileName;
    m_request.confirmed = true;
    accept();
}

void TFormDumpTextSetup::ButtonCancelClick()
{
    m_request.confirmed = false;
    reject();
}

} // namespace norvane::ui
