#pragma once

#include "protocol/CommandDispatcher.h"

#include <cstdint>

namespace norvane {

/// The emulation number: also the item index of the emulation list.
enum ActiveEmulationNumber : std::int32_t
{
    EmulationZpl2 = 0,
    EmulationCpcl = 1,
};

/// Operation 29: "DIAGNOSTIC REPORT ACT_EMULATION" into the caller's std::int32_t.
ResultCode ReadActiveEmulation(const OperationRequest& request);

/// Operation 30: ESC "Z" for 0, ESC "Y" for any other number; nothing is read.
ResultCode SetActiveEmulation(const OperationRequest& request);

} // namespace norvane
