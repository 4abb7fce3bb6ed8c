#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

/// The printer's three memories, numbered as every memory list offers them.
enum class MemoryDevice : std::int32_t
{
    Dram = 0,
    Flash = 1,
    Card = 2,
};

inline constexpr std::array<MemoryDevice, 3> kMemoryDevices{MemoryDevice::Dram, MemoryDevice::Flash,
                                                            MemoryDevice::Card};

/// The memory of a list index; nothing outside 0 to 2.
std::optional<MemoryDevice> MemoryDeviceFromIndex(std::int32_t index);

/// "DRAM", "FLASH", "CARD": the lists' items, never translated.
QByteArray MemoryDeviceName(MemoryDevice memory);

/// What stands before the quoted name of a DOWNLOAD: nothing for DRAM, "F," and "E,". Callers check that
/// the memory is one of the three, as DRAM's prefix is empty too.
QByteArray DownloadPrefix(MemoryDevice memory);

/// The command that erases every file of the memory, with its CR LF. A number that is no memory gives
/// nothing rather than another memory's command.
QByteArray FormatCommand(MemoryDevice memory);

} // namespace norvane
