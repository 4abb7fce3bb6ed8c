#pragma once

#include <QLocale>
#include <QString>

namespace norvane::ui {

/// The status-bar clock's format: the locale's short date and time, with seconds, because the clock ticks every
/// second and the short time of most locales leaves them out.
QString ClockFormat(const QLocale& locale);

} // namespace norvane::ui
