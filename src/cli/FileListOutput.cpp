#include "FileListOutput.h"

#include "PrinterText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace norvane::cli {

namespace {

QString spaceText(std::optional<std::int32_t> space)
{
    return space ? QString::number(*space) : QStringLiteral("-");
}

QByteArray spaceJson(std::optional<std::int32_t> space)
{
    return space ? QByteArray::number(*space) : QByteArrayLiteral("null");
}

/// A printer's Latin-1 entry as a JSON string, quotes included.
QByteArray jsonString(const QByteArray& entry)
{
    const QByteArray array = QJsonDocument(QJsonArray{QString::fromLatin1(entry)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QString FileListText(const FileListStore& store)
{
    QString text;
    for (const MemoryDevice memory : kMemoryDevices) {
        const DeviceFileInfo& block = store[memory];
        text += QStringLiteral("%1 %2 %3\n")
                    .arg(QString::fromLatin1(MemoryDeviceName(memory)), spaceText(block.knownPhysicalSpace()),
                         spaceText(block.knownFreeSpace()));
        for (const QByteArray& entry : block.entries())
            text += QStringLiteral("  ") + TerminalText(entry) + u'\n';
    }
    return text;
}

QByteArray FileListJson(const FileListStore& store)
{
    QByteArrayList memories;
    for (const MemoryDevice memory : kMemoryDevices) {
        const DeviceFileInfo& block = store[memory];
        QByteArrayList files;
        for (const QByteArray& entry : block.entries())
            files << jsonString(entry);
        memories << '"' + MemoryDeviceName(memory) + "\": {\"physical\": " + spaceJson(block.knownPhysicalSpace()) +
                        ", \"free\": " + spaceJson(block.knownFreeSpace()) + ", \"files\": [" + files.join(", ") + "]}";
    }
    return JsonWithEscapedControls('{' + memories.join(", ") + "}\n");
}

} // namespace norvane::cli
