#include "files/PrinterFileType.h"

#include <QStringList>

namespace norvane {

namespace {

constexpr QStringView kAllFiles = u"All files (*)";

bool matchesEveryFile(QStringView pattern)
{
    return pattern == u"*.*" || pattern == u"*";
}

/// "*.BMP" as "*.BMP *.bmp" (and "*.A;*.B" as four patterns): file names on Linux keep their case, the
/// filters were written for a system that ignores it.
QString eitherCase(QStringView patterns)
{
    QStringList both;
    for (const QStringView pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString upper = pattern.toString().toUpper();
        const QString lower = pattern.toString().toLower();
        both << upper;
        if (lower != upper)
            both << lower;
    }
    return both.join(u' ');
}

QString shownName(QStringView name)
{
    return name.startsWith(u"*.") ? name.sliced(2).toString() : name.toString();
}

} // namespace

std::optional<PrinterFileType> PrinterFileTypeFromIndex(std::int32_t index)
{
    if (index < 0 || index >= static_cast<std::int32_t>(kPrinterFileTypes.size()))
        return std::nullopt;
    return static_cast<PrinterFileType>(index);
}

const PrinterFileTypeInfo& FileTypeInfo(PrinterFileType type)
{
    const auto index = PrinterFileTypeFromIndex(static_cast<std::int32_t>(type)).value_or(PrinterFileType::DataFile);
    return kPrinterFileTypes[static_cast<std::size_t>(index)];
}

QString QtNameFilters(QStringView openFilter)
{
    const QList<QStringView> parts = openFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringView name = parts[i];
        const QStringView pattern = parts[i + 1];
        if (matchesEveryFile(pattern))
            filters << kAllFiles.toString();
        else
            filters << QStringLiteral("%1 (%2)").arg(shownName(name), eitherCase(pattern));
    }
    return filters.isEmpty() ? kAllFiles.toString() : filters.join(u";;");
}

} // namespace norvane
