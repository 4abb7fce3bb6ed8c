#pragma once

#include "config/LengthUnits.h"
#include "verify/PageReadBack.h"

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

namespace norvane::ui {

/// The controls of the configuration page that stand for settings the printer did not keep after a Set:
/// their captions for the report, and a red mark on each until the page shows another configuration.
class UnkeptSettingMarks
{
public:
    /// The dynamic property a marked control carries.
    static constexpr const char* kProperty = "settingNotKept";

    explicit UnkeptSettingMarks(QWidget& page) : m_page(page) {}

    /// Marks the control of each setting and returns the report: one line per setting with its caption as
    /// the page shows it, the value sent and the value read. Lengths are in `unit` at the printer's
    /// resolution; other values as the record holds them.
    QString markAndReport(const QList<UnkeptSetting>& unkept, const PrinterConfig& printer, LengthUnit unit);

    void clear();

private:
    QWidget& m_page;
    QList<QPointer<QWidget>> m_marked;
};

} // namespace norvane::ui
