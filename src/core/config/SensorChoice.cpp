#include "config/SensorChoice.h"

#include <algorithm>
#include <cstdlib>

namespace norvane {

namespace {
constexpr std::int32_t kLowSensorBound = 256;
constexpr std::int32_t kHighSensorBound = 768;
} // namespace

std::optional<SensorChoice> ChooseFromTwoSamples(const std::vector<std::int32_t>& first,
                                                 const std::vector<std::int32_t>& second)
{
    const std::size_t count = std::min(first.size(), second.size());
    std::optional<std::size_t> best;
    std::int64_t bestDifference = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::int64_t difference = std::llabs(std::int64_t{second[k]} - first[k]);
        if (!best || difference > bestDifference) {
            best = k;
            bestDifference = difference;
        }
    }
    if (!best || bestDifference < kMinSensorDifference)
        return std::nullopt;
    const std::size_t k = *best;
    return SensorChoice{static_cast<std::int32_t>(k),
                        static_cast<std::int32_t>((std::int64_t{second[k]} + first[k]) / 2), second[k], first[k]};
}

std::optional<SensorChoice> ChooseForContinuous(const std::vector<std::int32_t>& sample)
{
    if (sample.size() < 2)
        return std::nullopt;
    const std::int64_t heading = std::int64_t{sample[1]} - sample.back();
    std::size_t i = sample.size() - 1;
    while (i > 1) {
        if ((heading < 0 && sample[i] < kHighSensorBound) || (heading > 0 && sample[i] > kLowSensorBound))
            break;
        --i;
    }
    const std::int64_t base = heading > 0 ? kHighSensorBound : kLowSensorBound;
    return SensorChoice{static_cast<std::int32_t>((i + 1) / 2), static_cast<std::int32_t>((sample[i] + base) / 2),
                        sample[i], 0};
}

} // namespace norvane
