#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace norvane {

/// The smallest difference between the two samples at which a gap or mark can be told from a label.
inline constexpr std::int32_t kMinSensorDifference = 96;

/// What a guided measurement settles on.
struct SensorChoice
{
    std::int32_t intensity = 0;
    std::int32_t threshold = 0;
    std::int32_t labelReading = 0;
    /// The liner or mark reading; not measured for continuous media.
    std::int32_t gapReading = 0;
};

/// Gap or black mark: the intensity where the label differs most from the liner (or mark), the first such on
/// ties, with the threshold half-way between. Nothing when the best difference is below 96 or a sample is
/// empty; only the intensities both samples have are compared.
std::optional<SensorChoice> ChooseFromTwoSamples(const std::vector<std::int32_t>& first,
                                                 const std::vector<std::int32_t>& second);

/// Continuous media, one sample: from the highest intensity down, the first whose value lies on the far side
/// of the sensor's range from where the sample is heading. Nothing for fewer than two values.
std::optional<SensorChoice> ChooseForContinuous(const std::vector<std::int32_t>& sample);

} // namespace norvane
