#include "BoundConfigTab.h"

#include "FormControls.h"

#include <QLabel>

namespace norvane::ui {

void BoundConfigTab::showConfig(const PrinterConfig& record, const PageUnits& units)
{
    for (const FieldBinding& field : m_fields)
        field.show(record, units);
}

bool BoundConfigTab::takeConfig(PrinterConfig& record, const PageUnits& units, QString& error)
{
    for (const FieldBinding& field : m_fields) {
        if (!field.take(record, units, error))
            return false;
    }
    return true;
}

void BoundConfigTab::setUnitName(const QString& name)
{
    for (QLabel* label : m_unitLabels)
        label->setText(name);
}

void BoundConfigTab::bind(FieldBinding field)
{
    m_fields.push_back(std::move(field));
}

QLabel* BoundConfigTab::unitLabel(const char* name)
{
    QLabel* label = NewLabel(name, QString());
    m_unitLabels << label;
    return label;
}

} // namespace norvane::ui
