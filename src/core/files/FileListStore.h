#pragma once

#include "config/ConfigItem.h"
#include "files/MemoryDevice.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

/// The room for one memory's file list, its terminating zero included.
inline constexpr qsizetype kFileListCapacity = 65536;

/// What one memory holds and how much room it has, as the file-list read found it. Space is in whole
/// kilobytes, as the printer reports it; a flag of 1 says the value beside it was read.
struct DeviceFileInfo
{
    /// The entries in the order received, each followed by CR LF, zero-terminated.
    TextField<kFileListCapacity> fileList;
    std::uint8_t physicalSpaceValid = 0;
    std::int32_t physicalSpace = 0;
    std::uint8_t freeSpaceValid = 0;
    std::int32_t freeSpace = 0;

    /// One entry per CR LF-separated line of the list, exactly as the printer sent it.
    QList<QByteArray> entries() const;
    std::optional<std::int32_t> knownPhysicalSpace() const;
    /// Never known for CARD: the card's free space is not asked.
    std::optional<std::int32_t> knownFreeSpace() const;
};

// The block as the file manager keeps it: list text, flag, 32-bit physical space, flag, 32-bit free space.
static_assert(sizeof(DeviceFileInfo::fileList) + sizeof(DeviceFileInfo::physicalSpaceValid) +
                      sizeof(DeviceFileInfo::physicalSpace) + sizeof(DeviceFileInfo::freeSpaceValid) +
                      sizeof(DeviceFileInfo::freeSpace) ==
                  65546,
              "a memory's block holds 65 546 bytes");

/// The three memories' blocks in DRAM, FLASH, CARD order. Kept between reads, so showing another memory
/// needs no printer traffic; a default-constructed store is cleared.
struct FileListStore
{
    std::array<DeviceFileInfo, kMemoryDevices.size()> blocks;

    DeviceFileInfo& operator[](MemoryDevice memory) { return blocks.at(static_cast<std::size_t>(memory)); }
    const DeviceFileInfo& operator[](MemoryDevice memory) const { return blocks.at(static_cast<std::size_t>(memory)); }

    /// Every byte of every block back to zero: no list, no space known.
    void clear();
};

} // namespace norvane
