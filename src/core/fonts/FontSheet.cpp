#include "fonts/FontSheet.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace norvane {

namespace {

constexpr int kPadding = 3;
constexpr int kSmallFont = 256;
constexpr int kWideSheetFrom = 1024;
constexpr int kEnlargedSide = 32;
constexpr int kMostEnlargement = 4;

int columnsFor(qsizetype glyphCount)
{
    return glyphCount <= kSmallFont ? 16 : glyphCount < kWideSheetFrom ? 32 : 64;
}

} // namespace

QImage DrawFontSheet(const BitmapFontFile& font)
{
    int widest = font.cellWidth;
    for (const FontGlyph& glyph : font.glyphs)
        widest = std::max(widest, glyph.width);
    const int largestSide = std::max({widest, font.cellHeight, 1});
    const int scale =
        font.glyphs.size() <= kSmallFont ? std::clamp(kEnlargedSide / largestSide, 1, kMostEnlargement) : 1;

    QFont labelFont;
    labelFont.setPixelSize(10);
    const QFontMetrics labels(labelFont);
    const int columns = columnsFor(font.glyphs.size());
    const int cellWidth = std::max(widest * scale, labels.horizontalAdvance(QStringLiteral("DDDD"))) + 2 * kPadding;
    const int cellHeight = labels.height() + font.cellHeight * scale + 2 * kPadding;
    const int rows = static_cast<int>((font.glyphs.size() + columns - 1) / columns);

    QImage sheet(std::max(1, columns * cellWidth), std::max(1, rows * cellHeight), QImage::Format_Grayscale8);
    sheet.fill(Qt::white);
    const auto cellOrigin = [&](qsizetype i) {
        return QPoint(static_cast<int>(i % columns) * cellWidth + kPadding,
                      static_cast<int>(i / columns) * cellHeight + kPadding);
    };
    {
        QPainter painter(&sheet);
        painter.setFont(labelFont);
        for (qsizetype i = 0; i < font.glyphs.size(); ++i) {
            const FontGlyph& glyph = font.glyphs[i];
            const QPoint origin = cellOrigin(i);
            painter.setPen(Qt::darkGray);
            painter.drawText(origin.x(), origin.y() + labels.ascent(), GlyphCodeLabel(glyph.code));
            painter.setPen(Qt::lightGray);
            painter.drawRect(origin.x() - 1, origin.y() + labels.height() - 1, glyph.width * scale + 1,
                             glyph.height * scale + 1);
        }
    }
    // Ink is set pixel by pixel: tens of thousands of glyphs would take long as painted rectangles.
    for (qsizetype i = 0; i < font.glyphs.size(); ++i) {
        const FontGlyph& glyph = font.glyphs[i];
        const QPoint origin = cellOrigin(i) + QPoint(0, labels.height());
        for (int y = 0; y < glyph.height * scale; ++y) {
            uchar* line = sheet.scanLine(origin.y() + y);
            for (int x = 0; x < glyph.width * scale; ++x) {
                if (glyph.inkAt(x / scale, y / scale))
                    line[origin.x() + x] = 0;
            }
        }
    }
    return sheet;
}

} // namespace norvane
