#pragma once

#include <cstdint>

namespace norvane {

/// The way the printer is reached; its value is the item index of the interface list.
enum class InterfaceKind : std::int32_t
{
    Usb = 0,
    Com = 1,
    Lpt = 2,
    Ethernet = 3,
};

} // namespace norvane
