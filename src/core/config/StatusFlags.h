#pragma once

#include <array>
#include <cstdint>

namespace norvane {

/// The printer's status as ten flags, each 0 or 1: what the status query fills and a .dcf file keeps.
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

} // namespace norvane
