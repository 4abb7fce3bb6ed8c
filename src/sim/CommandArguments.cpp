#include "CommandArguments.h"

#include <cmath>

namespace norvane::sim {

QList<QByteArray> QuotedValues(const QByteArray& text)
{
    QList<QByteArray> values;
    qsizetype open = text.indexOf('"');
    while (open >= 0) {
        const qsizetype close = text.indexOf('"', open + 1);
        if (close < 0)
            break;
        values.append(text.mid(open + 1, close - open - 1));
        open = text.indexOf('"', close + 1);
    }
    return values;
}

QList<QByteArray> CommaValues(const QByteArray& text)
{
    const qsizetype blank = text.indexOf(' ');
    QList<QByteArray> values;
    for (const QByteArray& value : text.mid(blank + 1).split(','))
        values.append(value.trimmed());
    return values;
}

QByteArray FractionText(double value)
{
    return QByteArray::number(value, 'f', 2);
}

double DotsPerMm(double dpi)
{
    const auto hundredths = static_cast<long long>(std::trunc(dpi / 25.4 * 100.0));
    return static_cast<double>((hundredths + 5) / 10 * 10) / 100.0;
}

} // namespace norvane::sim
