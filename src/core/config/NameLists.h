#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace norvane {

/// The printer's own names; a record stores the position in its list.
inline constexpr std::array<QByteArrayView, 36> kCodePageNames = {
    "USA",    "BRI",    "GER",    "FRE",    "DAN",    "ITA",    "SPA",    "SWE",     "SWI",
    "437",    "850",    "852",    "857",    "860",    "863",    "865",    "1250",    "1251",
    "1252",   "1253",   "1254",   "1255",   "1256",   "1257",   "1258",   "8859-1",  "8859-2",
    "8859-3", "8859-4", "8859-5", "8859-6", "8859-7", "8859-8", "8859-9", "8859-10", "8859-15",
};

inline constexpr std::array<QByteArrayView, 22> kCountryCodes = {
    "001", "002", "003", "031", "032", "033", "034", "036", "038", "039", "041",
    "042", "044", "045", "046", "047", "048", "049", "055", "061", "351", "358",
};

inline constexpr std::array<QByteArrayView, 6> kDisplayLanguageNames = {
    "ENGLISH", "FRENCH", "SPANISH", "ITALIAN", "RUSSIAN", "GERMAN",
};

/// As the printer reports them; "0" first, so a real rate has index 1 to 8.
inline constexpr std::array<QByteArrayView, 9> kBaudRatesAsRead = {
    "0", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200",
};

/// The same positions in the short form that SET COM1 takes.
inline constexpr std::array<QByteArrayView, 9> kBaudRatesAsWritten = {
    "0", "12", "24", "48", "96", "19", "38", "56", "115",
};

inline constexpr std::array<QByteArrayView, 2> kDataBitNames = {"7", "8"};
inline constexpr std::array<QByteArrayView, 3> kParityNames = {"None", "Odd", "Even"};
inline constexpr std::array<QByteArrayView, 2> kStopBitNames = {"1", "2"};

/// The position of the first name equal to `text` byte for byte; the list's length when none is.
std::int32_t NameIndex(std::span<const QByteArrayView> names, QByteArrayView text);

/// The name at `index`; nothing for an index outside the list.
std::optional<QByteArrayView> NameAt(std::span<const QByteArrayView> names, std::int32_t index);

} // namespace norvane
