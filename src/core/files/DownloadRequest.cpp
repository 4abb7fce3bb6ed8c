#include "files/DownloadRequest.h"

#include <QFileInfo>

namespace norvane {

namespace {
constexpr qsizetype kBrowseStemLength = 8;
}

bool PrinterFileNameTooLong(QStringView name)
{
    return name.size() > kMaxPrinterFileNameLength;
}

QString BrowsePrinterName(const QString& sourcePath, PrinterFileType type)
{
    // Only the last dot starts the extension: "logo.v2.bmp" keeps "logo.v2".
    return QFileInfo(sourcePath).completeBaseName().left(kBrowseStemLength) +
           QString::fromLatin1(FileTypeInfo(type).extension);
}

} // namespace norvane
