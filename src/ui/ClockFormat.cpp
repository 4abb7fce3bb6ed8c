#include "ClockFormat.h"

namespace norvane::ui {

namespace {

/// `format` with seconds after its minutes, unless it shows seconds already or has no minutes.
QString withSeconds(QString format)
{
    bool quoted = false;
    qsizetype minutesEnd = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u's')
            return format;
        else if (!quoted && c == u'm')
            minutesEnd = i + 1;
    }
    if (minutesEnd < 0)
        return format;
    qsizetype minutesStart = minutesEnd;
    while (minutesStart > 0 && format.at(minutesStart - 1) == u'm')
        --minutesStart;
    // The seconds follow the minutes as the minutes follow the hours ("HH.mm" gives "HH.mm.ss"), unless that is
    // a blank or words.
    QChar separator = u':';
    if (minutesStart > 0) {
        const QChar before = format.at(minutesStart - 1);
        if (before.isPunct() && before != u'\'')
            separator = before;
    }
    format.insert(minutesEnd, separator + QStringLiteral("ss"));
    return format;
}

} // namespace

QString ClockFormat(const QLocale& locale)
{
    return withSeconds(locale.dateTimeFormat(QLocale::ShortFormat));
}

} // namespace norvane::ui
