#include "FileChoices.h"

#include <QFileInfo>
#include <QStringList>
#include <array>

namespace norvane::cli {

namespace {

struct NamedMemory
{
    const char* name;
    MemoryDevice memory;
};

constexpr std::array<NamedMemory, 3> kMemoryNames{{
    {"dram", MemoryDevice::Dram},
    {"flash", MemoryDevice::Flash},
    {"card", MemoryDevice::Card},
}};

struct NamedFileType
{
    const char* name;
    PrinterFileType type;
    /// The extension that suggests the type, lower case; empty for none.
    const char* extension;
};

constexpr std::array<NamedFileType, 8> kFileTypeNames{{
    {"bmp", PrinterFileType::Bmp, "bmp"},
    {"pcx", PrinterFileType::Pcx, "pcx"},
    {"ttf", PrinterFileType::TrueTypeFont, "ttf"},
    {"bitmap-font", PrinterFileType::BitmapFont, ""},
    {"basic", PrinterFileType::BasicFile, "bas"},
    {"data", PrinterFileType::DataFile, ""},
    {"firmware", PrinterFileType::FirmwareFile, "new"},
    {"tcf", PrinterFileType::TcfFile, "tcf"},
}};

template <typename Named, std::size_t N> QString joinedNames(const std::array<Named, N>& names)
{
    QStringList list;
    for (const Named& named : names)
        list << QLatin1StringView(named.name);
    return list.join(u'|');
}

} // namespace

QString MemoryNames()
{
    return joinedNames(kMemoryNames);
}

QString FileTypeNames()
{
    return joinedNames(kFileTypeNames);
}

std::optional<MemoryDevice> MemoryFromName(const QString& name)
{
    for (const NamedMemory& named : kMemoryNames) {
        if (name == QLatin1StringView(named.name))
            return named.memory;
    }
    return std::nullopt;
}

std::optional<PrinterFileType> FileTypeFromName(const QString& name)
{
    for (const NamedFileType& named : kFileTypeNames) {
        if (name == QLatin1StringView(named.name))
            return named.type;
    }
    return std::nullopt;
}

PrinterFileType FileTypeOfPath(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const NamedFileType& named : kFileTypeNames) {
        if (!extension.isEmpty() && extension == QLatin1StringView(named.extension))
            return named.type;
    }
    return PrinterFileType::DataFile;
}

} // namespace norvane::cli
