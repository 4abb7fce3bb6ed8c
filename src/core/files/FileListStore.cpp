#include "files/FileListStore.h"

namespace norvane {

QList<QByteArray> DeviceFileInfo::entries() const
{
    const QByteArray text = fileList.text();
    QList<QByteArray> lines;
    qsizetype start = 0;
    // Only CR LF ends an entry: a lone CR or LF the printer put into a name stays part of it.
    for (qsizetype end; (end = text.indexOf("\r\n", start)) >= 0; start = end + 2)
        lines.append(text.sliced(start, end - start));
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

std::optional<std::int32_t> DeviceFileInfo::knownPhysicalSpace() const
{
    return physicalSpaceValid == 1 ? std::optional(physicalSpace) : std::nullopt;
}

std::optional<std::int32_t> DeviceFileInfo::knownFreeSpace() const
{
    return freeSpaceValid == 1 ? std::optional(freeSpace) : std::nullopt;
}

void FileListStore::clear()
{
    for (DeviceFileInfo& block : blocks) {
        block.fileList.bytes.fill('\0');
        block.physicalSpaceValid = 0;
        block.physicalSpace = 0;
        block.freeSpaceValid = 0;
        block.freeSpace = 0;
    }
}

} // namespace norvane
