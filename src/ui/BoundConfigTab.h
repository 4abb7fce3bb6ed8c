#pragma once

#include "ConfigTab.h"
#include "FieldBinding.h"

#include <vector>

class QLabel;

namespace norvane::ui {

/// A configuration tab whose controls each stand for one item of the record.
class BoundConfigTab : public ConfigTab
{
    Q_OBJECT

public:
    using ConfigTab::ConfigTab;

    void showConfig(const PrinterConfig& record, const PageUnits& units) override;
    /// Stops at the first field that does not convert.
    bool takeConfig(PrinterConfig& record, const PageUnits& units, QString& error) override;

    /// Names the unit beside each length of the tab; the numbers stay as they are.
    void setUnitName(const QString& name);

protected:
    void bind(FieldBinding field);
    /// The label beside a length that names the page unit.
    QLabel* unitLabel(const char* name);

private:
    std::vector<FieldBinding> m_fields;
    QList<QLabel*> m_unitLabels;
};

} // namespace norvane::ui
