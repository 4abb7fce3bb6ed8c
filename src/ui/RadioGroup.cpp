#include "RadioGroup.h"

#include <QBoxLayout>
#include <QRadioButton>

namespace norvane::ui {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, Qt::Orientation orientation, QWidget* parent)
    : QGroupBox(caption, parent)
{
    auto* layout =
        new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons.addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(&m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

void RadioGroup::setItemIndex(int index)
{
    const QList<QAbstractButton*> buttons = m_buttons.buttons();
    if (index >= 0 && !buttons.isEmpty()) {
        m_buttons.button(std::min(index, static_cast<int>(buttons.size()) - 1))->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go.
    m_buttons.setExclusive(false);
    for (QAbstractButton* button : buttons)
        button->setChecked(false);
    m_buttons.setExclusive(true);
}

QString RadioGroup::itemText(int index) const
{
    const QAbstractButton* button = m_buttons.button(index);
    return button ? button->text() : QString();
}

void RadioGroup::setItemText(int index, const QString& text)
{
    if (QAbstractButton* button = m_buttons.button(index))
        button->setText(text);
}

} // namespace norvane::ui
