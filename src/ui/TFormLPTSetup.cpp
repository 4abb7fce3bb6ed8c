#include "TFormLPTSetup.h"

#include "DialogButtons.h"
#include "PortNumber.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {
constexpr int kLptPortCount = 4;
}

TFormLPTSetup::TFormLPTSetup(ParallelLinkSettings& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_comboBoxLPT(new QComboBox)
{
    setObjectName(QStringLiteral("FormLPTSetup"));
    setWindowTitle(QStringLiteral("LPT Setup"));

    m_comboBoxLPT->setObjectName(QStringLiteral("ComboBoxLPT"));
    m_comboBoxLPT->setMinimumWidth(200);
    for (int number = 1; number <= kLptPortCount; ++number)
        m_comboBoxLPT->addItem(QStringLiteral("LPT%1").arg(number));
    m_comboBoxLPT->setCurrentIndex(PortItemIndex(record.portName, kLptPortCount));

    const auto [buttons, set, cancel] = MakeDialogButtons(QStringLiteral("Set"), "ButtonSet");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_comboBoxLPT);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(set, &QPushButton::clicked, this, &TFormLPTSetup::ButtonSetClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLPTSetup::ButtonSetClick()
{
    // A port given as a device path (development only) selects no item and stays as it is.
    if (m_comboBoxLPT->currentIndex() >= 0)
        m_record.portName = QStringLiteral("LPT%1").arg(m_comboBoxLPT->currentIndex() + 1);
    accept();
}

} // namespace norvane::ui
