#pragma once

#include "protocol/CommandDispatcher.h"

#include <QString>
#include <array>
#include <cstdint>

namespace norvane {

/// The record of the status query: ten flags, each 0 or 1.
struct StatusFlags
{
    enum Index
    {
        CoverOpen = 0,
        PaperJam = 1,
        OutOfPaper = 2,
        RibbonFault = 3,
        Pause = 4,
        Printing = 5,
        NotShown = 6,
        OtherError = 7,
        RibbonEncoderError = 8,
        OutOfRibbon = 9,
    };
    std::array<std::uint8_t, 10> flags{};

    bool operator[](Index index) const { return flags[index] != 0; }
};

/// Operation 0: the status byte after ESC "!" "?", then the extended status after ESC "!" "S" CR LF.
/// A missing or short extended status is no failure.
ResultCode ReadStatus(const OperationRequest& request);

/// The one state shown: "Cover Open" outranks everything, "Printing" only when nothing else holds.
QString StatusText(const StatusFlags& status);

} // namespace norvane
