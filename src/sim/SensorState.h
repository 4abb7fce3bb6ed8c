#pragma once

#include <QList>
#include <cstdint>

namespace norvane::sim {

/// The media sensors' raw values, one per intensity step, for each thing that can lie under them.
struct SensorState
{
    /// The gap sensor over the bare liner, and over a label.
    QList<std::int32_t> gapLiner{60, 90, 130, 180, 240, 310, 390, 470, 550, 620, 690, 750, 800, 850, 890, 920};
    QList<std::int32_t> gapLabel{40, 60, 80, 100, 120, 150, 180, 210, 250, 290, 330, 370, 410, 450, 490, 530};
    /// The black-mark sensor over a mark, and over a label.
    QList<std::int32_t> markBlack{900, 880, 860, 840, 820, 800, 780, 760, 740, 720, 700, 680, 660, 640, 620, 600};
    QList<std::int32_t> markLabel{300, 280, 260, 250, 240, 230, 220, 210, 200, 190, 180, 170, 160, 150, 140, 130};
    /// A label lies under the sensors rather than the liner or a mark.
    bool labelUnderSensor = false;
};

} // namespace norvane::sim
