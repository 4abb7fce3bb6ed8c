#include "files/TestPage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace norvane {

namespace {

/// Truncated toward zero, as every conversion of the layout is.
std::int64_t whole(double value)
{
    return static_cast<std::int64_t>(value);
}

bool within(double value, double bound)
{
    return std::isfinite(value) && std::abs(value) <= bound;
}

QByteArray joined(std::initializer_list<std::int64_t> numbers)
{
    QByteArray text;
    for (const std::int64_t number : numbers) {
        if (!text.isEmpty())
            text += ',';
        text += QByteArray::number(number);
    }
    return text;
}

} // namespace

std::optional<TestPageRequest> MakeTestPageRequest(const PrinterConfig& config, QString& message)
{
    if (config.dpiValid == 0) {
        message = QString::fromLatin1(kReadConfigFirstMessage);
        return std::nullopt;
    }
    if (!config.paperWidth.isSet()) {
        message = QString::fromLatin1(kEnterPaperWidthMessage);
        return std::nullopt;
    }
    if (!config.paperHeight.isSet()) {
        message = QString::fromLatin1(kEnterPaperHeightMessage);
        return std::nullopt;
    }
    return TestPageRequest{config.dpi, config.dotsPerMm, config.paperWidth.value, config.paperHeight.value};
}

std::optional<QByteArray> TestPageScript(const TestPageRequest& request)
{
    const double d = request.dotsPerMm;
    if (!within(d, kTestPageMaxDotsPerMm) || !within(request.paperWidth, kTestPageMaxPaperDots) ||
        !within(request.paperHeight, kTestPageMaxPaperDots))
        return std::nullopt;

    const std::int64_t width = whole(request.paperWidth);
    const std::int64_t height = whole(request.paperHeight);
    // 2 mm, rounded.
    const std::int64_t margin = whole(d * 2 + 0.5);

    QByteArray script = "CLS\r\nDIRECTION 0,0\r\n";
    // A label of 4 mm or less has no room inside the frame: it prints empty.
    if (2 * margin < width && 2 * margin < height) {
        script += "BOX " + joined({margin, margin, width - margin, height - margin, 4}) + "\r\n";

        const std::int64_t side = std::min(width, height);
        const bool fineHead = d > 8.0;
        const std::int64_t narrow = fineHead ? 3 : 2;
        const std::int64_t wide = fineHead ? 6 : 4;
        const std::int64_t barcodeHeight = side / 8;
        const std::int64_t barcodeX = whole(margin + barcodeHeight + 4 * d);
        const std::int64_t top = whole(margin + 2 * d);
        const std::int64_t textX = whole(margin + barcodeHeight + 6 * d);
        const std::int64_t magnification = std::min<std::int64_t>(((side - textX) * 72 / narrow / 100) / 4, 80);
        // Digits that fit across the label beside the margins, less two for the code's start and stop.
        const double digits =
            static_cast<double>(side - 2 * margin - 4 * d) / static_cast<double>(7 * narrow + 3 * wide) - 2;
        const qsizetype digitCount = std::clamp<std::int64_t>(whole(digits), 0, 10);

        script += "BARCODE  " + joined({barcodeX, top}) + ",\"25\"," + joined({barcodeHeight, 1, 90, narrow, wide}) +
                  ",\"" + QByteArrayLiteral("1234567890").left(digitCount) + "\"\r\n";
        if (static_cast<double>(side) > 2 * margin + 20 * d)
            script += "TEXT  " + joined({textX, top}) + ",\"0\",0," + joined({magnification, magnification}) +
                      ",\"TEST\"\r\n";
    }
    script += "PRINT 1\r\n";
    return script;
}

} // namespace norvane
