#pragma once

#include "config/LengthUnits.h"
#include "config/PrinterConfig.h"

#include <QLocale>
#include <QWidget>

namespace norvane::ui {

/// What moving a configuration to or from the page needs besides the record: the page's unit and the
/// locale numbers are written in. Lengths convert with `DotsPerUnit(record, unit)` of the record at hand.
struct PageUnits
{
    LengthUnit unit = LengthUnit::Inch;
    QLocale locale = QLocale::system();
};

/// One tab of the configuration pages (`PageControl2`): its share of `ShowConfig` and `TakeConfig`.
class ConfigTab : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    /// Fills the tab's controls from `record`.
    virtual void showConfig(const PrinterConfig& record, const PageUnits& units) = 0;
    /// Overwrites the record's items of this tab from the controls; items the tab does not hold keep their
    /// values. False, with the standard conversion message in `error`, when a field does not convert.
    virtual bool takeConfig(PrinterConfig& record, const PageUnits& units, QString& error) = 0;
};

} // namespace norvane::ui
