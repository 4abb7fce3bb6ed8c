#pragma once

#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace norvane {

inline constexpr char kReadConfigFirstMessage[] = "Please read printer config first";
inline constexpr char kEnterPaperWidthMessage[] = "Please Entry Paper Width";
inline constexpr char kEnterPaperHeightMessage[] = "Please Entry Paper Height";

/// The record of operation 16: the printer's resolution and the label's size in dots.
struct TestPageRequest
{
    /// Dots per inch; travels with the request but the label is laid out in dots per mm.
    float resolution = 0.0f;
    float dotsPerMm = 0.0f;
    float paperWidth = 0.0f;
    float paperHeight = 0.0f;
};

/// The request for a configuration whose paper size is already in dots (the page's sizes converted with
/// the printer's own factor). Nothing, with the message to show, when the configuration was never read
/// from the printer or the paper width or height is empty.
std::optional<TestPageRequest> MakeTestPageRequest(const PrinterConfig& config, QString& message);

/// Resolutions and sizes beyond these are no printer's or label's; they keep every number of the script
/// within the printer's 32-bit parameters.
inline constexpr double kTestPageMaxDotsPerMm = 1000.0;
inline constexpr double kTestPageMaxPaperDots = 10'000'000.0;

/// The label script: CLS, DIRECTION, then (when the label is more than 4 mm each way) a frame 2 mm inside
/// the edge, a rotated barcode of up to ten digits and, when there is room, the word TEST, then PRINT 1.
/// Nothing for a resolution or size that is not a number or lies beyond the bounds above.
std::optional<QByteArray> TestPageScript(const TestPageRequest& request);

} // namespace norvane
