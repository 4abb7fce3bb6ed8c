#include "TActiveEmu.h"

#include "RadioGroup.h"
#include "protocol/ActiveEmulation.h"
#include "protocol/CommandDispatcher.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace norvane::ui {

TActiveEmu::TActiveEmu(CommandDispatcher& dispatcher, InterfaceKind kind, QWidget* parent)
    : QDialog(parent), m_dispatcher(dispatcher), m_kind(kind),
      m_radioGroupActiveEmulation(new RadioGroup(QStringLiteral("Active Emulation"),
                                                 {QStringLiteral("ZPL2"), QStringLiteral("CPCL")}, Qt::Vertical))
{
    setObjectName(QStringLiteral("ActiveEmu"));
    setWindowTitle(QStringLiteral("Emulation Setup"));
    m_radioGroupActiveEmulation->setObjectName(QStringLiteral("RadioGroupActiveEmulation"));
    m_radioGroupActiveEmulation->setMinimumWidth(160);
    m_radioGroupActiveEmulation->setItemIndex(EmulationZpl2);

    auto* button1 = new QPushButton(QStringLiteral("Set"));
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_radioGroupActiveEmulation);
    layout->addWidget(button1, 0, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    std::int32_t emulation = EmulationZpl2;
    if (m_dispatcher.dispatch<OperationCode::ReadEmulation>(m_kind, emulation) == ResultCode::Success)
        m_radioGroupActiveEmulation->setItemIndex(emulation);

    connect(button1, &QPushButton::clicked, this, &TActiveEmu::Button1Click);
}

void TActiveEmu::Button1Click()
{
    std::int32_t emulation = m_radioGroupActiveEmulation->itemIndex();
    m_dispatcher.dispatch<OperationCode::SetEmulation>(m_kind, emulation);
    accept();
}

} // namespace norvane::ui
