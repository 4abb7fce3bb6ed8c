#include "files/MemoryDevice.h"

namespace norvane {

std::optional<MemoryDevice> MemoryDeviceFromIndex(std::int32_t index)
{
    if (index < 0 || index >= static_cast<std::int32_t>(kMemoryDevices.size()))
        return std::nullopt;
    return static_cast<MemoryDevice>(index);
}

QByteArray MemoryDeviceName(MemoryDevice memory)
{
    switch (memory) {
    case MemoryDevice::Dram:
        return QByteArrayLiteral("DRAM");
    case MemoryDevice::Flash:
        return QByteArrayLiteral("FLASH");
    case MemoryDevice::Card:
        return QByteArrayLiteral("CARD");
    }
    return {};
}

QByteArray DownloadPrefix(MemoryDevice memory)
{
    switch (memory) {
    case MemoryDevice::Dram:
        return {};
    case MemoryDevice::Flash:
        return QByteArrayLiteral("F,");
    case MemoryDevice::Card:
        return QByteArrayLiteral("E,");
    }
    return {};
}

QByteArray FormatCommand(MemoryDevice memory)
{
    switch (memory) {
    case MemoryDevice::Dram:
        return QByteArrayLiteral("KILL \"*.*\"\r\n");
    case MemoryDevice::Flash:
        return QByteArrayLiteral("KILL F,\"*.*\"\r\n");
    case MemoryDevice::Card:
        return QByteArrayLiteral("KILL E,\"*.*\"\r\n");
    }
    return {};
}

} // namespace norvane
