#include "TFormLPTSetup.h"

#include "CurrentLanguage.h"
#include "DialogButtons.h"
#include "LanguageRows.h"
#include "PortNumber.h"
#include "link/DevicePaths.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

/// The dialog's texts from the language table, put on when it opens.
const LanguageRow kLptRows[] = {
    {"ButtonCancel", 2},
    {"ButtonSet", 4},
};

constexpr int kLptPortCount = 4;
} // namespace

TFormLPTSetup::TFormLPTSetup(ParallelLinkSettings& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_comboBoxLPT(new QComboBox), m_labelLptDevice(new QLabel)
{
    setObjectName(QStringLiteral("FormLPTSetup"));
    setWindowTitle(QStringLiteral("LPT Setup"));

    auto* label = new QLabel(QStringLiteral("LPT Port"));
    label->setObjectName(QStringLiteral("LabelLPTPort"));
    m_comboBoxLPT->setObjectName(QStringLiteral("ComboBoxLPT"));
    for (int number = 1; number <= kLptPortCount; ++number)
        m_comboBoxLPT->addItem(QStringLiteral("LPT%1").arg(number));
    m_comboBoxLPT->setCurrentIndex(PortItemIndex(record.portName, kLptPortCount));
    // Which Linux device the Windows-style port name stands for, so the user knows which port is meant.
    m_labelLptDevice->setObjectName(QStringLiteral("LabelLptDevice"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(label, m_comboBoxLPT);
    form->addRow(QString(), m_labelLptDevice);

    const auto [buttons, set, cancel] = MakeDialogButtons(QStringLiteral("Set"), "ButtonSet");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyLanguageRows(*this, kLptRows, CurrentLanguage());
    ComboBoxLPTChange();

    connect(m_comboBoxLPT, &QComboBox::currentIndexChanged, this, &TFormLPTSetup::ComboBoxLPTChange);
    connect(set, &QPushButton::clicked, this, &TFormLPTSetup::ButtonSetClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLPTSetup::ComboBoxLPTChange()
{
    // A port given as a device path (development only) selects no item; show the path it stands for.
    const QString portName = m_comboBoxLPT->currentIndex() < 0 ? m_record.portName : m_comboBoxLPT->currentText();
    m_labelLptDevice->setText(QStringLiteral("Linux device: %1").arg(LptDevicePath(portName)));
}

void TFormLPTSetup::ButtonSetClick()
{
    // A port given as a device path (development only) selects no item and stays as it is.
    if (m_comboBoxLPT->currentIndex() >= 0)
        m_record.portName = QStringLiteral("LPT%1").arg(m_comboBoxLPT->currentIndex() + 1);
    accept();
}

} // namespace norvane::ui
