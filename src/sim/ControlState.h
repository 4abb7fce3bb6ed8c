#pragma once

namespace norvane::sim {

/// How often each control escape sequence arrived.
struct ControlState
{
    int resets = 0;
    int startupProgramsIgnored = 0;
    int lineModeExits = 0;
};

} // namespace norvane::sim
