#pragma once

#include "protocol/ResultCode.h"

#include <cstdint>

namespace norvane {

class PrinterLink;

/// The emulation number: also the item index of the emulation list.
enum ActiveEmulationNumber : std::int32_t
{
    EmulationZpl2 = 0,
    EmulationCpcl = 1,
};

/// Operation 29: "DIAGNOSTIC REPORT ACT_EMULATION".
ResultCode ReadActiveEmulation(PrinterLink& link, std::int32_t& emulation);

/// Operation 30: ESC "Z" for 0, ESC "Y" for any other number; nothing is read.
ResultCode SetActiveEmulation(PrinterLink& link, const std::int32_t& emulation);

} // namespace norvane
