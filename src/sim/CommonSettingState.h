#pragma once

#include <QByteArray>

namespace norvane::sim {

/// The post-print action as the three SET TEAR / SET PEEL / SET CUTTER lines left it: the printer
/// reports one action made of all three.
struct CommonSettingState
{
    bool tear = false;
    bool peel = false;
    QByteArray cutter = "OFF";
};

} // namespace norvane::sim
