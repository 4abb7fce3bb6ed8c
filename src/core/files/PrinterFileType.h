#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

/// The kinds of file the file manager puts into the printer, numbered as the file-type list offers them.
enum class PrinterFileType : std::int32_t
{
    Bmp = 0,
    Pcx = 1,
    TrueTypeFont = 2,
    BitmapFont = 3,
    BasicFile = 4,
    DataFile = 5,
    FirmwareFile = 6,
    TcfFile = 7,
};

struct PrinterFileTypeInfo
{
    PrinterFileType type;
    /// The file-type list's item, never translated.
    const char* item;
    /// Appended to the printer's name for the file; empty for none.
    const char* extension;
    /// Firmware and TCF files go to the printer as they are, without DOWNLOAD, name or memory.
    bool sentRaw;
    /// The open dialog's filter as shown-name "|" pattern pairs; empty shows every file.
    const char* openFilter;
};

inline constexpr std::array<PrinterFileTypeInfo, 8> kPrinterFileTypes{{
    {PrinterFileType::Bmp, "BMP", ".BMP", false, "*.BMP|*.BMP|*.*|*.*"},
    {PrinterFileType::Pcx, "PCX", ".PCX", false, "*.PCX|*.PCX|*.*|*.*"},
    {PrinterFileType::TrueTypeFont, "True Type Font", ".TTF", false, "*.TTF|*.TTF"},
    {PrinterFileType::BitmapFont, "Bitmap Font", "", false, ""},
    {PrinterFileType::BasicFile, "Printer BASIC File", ".BAS", false, "*.BAS|*.BAS|*.*|*.*"},
    {PrinterFileType::DataFile, "Data File", "", false, "*.*|*.*"},
    {PrinterFileType::FirmwareFile, "Firmware File", "", true, "*.NEW|*.NEW|*.*|*.*"},
    {PrinterFileType::TcfFile, "TCF File", "", true, "*.TCF|*.TCF|*.*|*.*"},
}};

/// The type of a list index; nothing outside 0 to 7.
std::optional<PrinterFileType> PrinterFileTypeFromIndex(std::int32_t index);

/// The type's row of the table; an out-of-range value gets the Data File row (no extension, not raw).
const PrinterFileTypeInfo& FileTypeInfo(PrinterFileType type);

/// An open-dialog filter of shown-name "|" pattern pairs as Qt name filters joined by ";;": "*.BMP|*.BMP|
/// *.*|*.*" becomes "BMP (*.BMP *.bmp);;All files (*)". A pattern's extension matches in upper and lower
/// case, as on the system the filters come from, and "*.*" means every file, dotted or not. An empty filter
/// is "All files (*)".
QString QtNameFilters(QStringView openFilter);

} // namespace norvane
