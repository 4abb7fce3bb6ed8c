#include "SensorChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace norvane::ui {

namespace {

/// The sensor's values lie in 0..1023 on the printers seen so far; larger ones widen the scale.
constexpr std::int32_t kUsualTop = 1023;
constexpr int kMargin = 24;

} // namespace

SensorChart::SensorChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SensorChart"));
    setMinimumSize(240, 140);
}

void SensorChart::setSamples(const std::vector<std::int32_t>& first, const std::vector<std::int32_t>& second)
{
    m_first = first;
    m_second = second;
    update();
}

void SensorChart::setChoice(std::optional<std::int32_t> intensity, std::optional<std::int32_t> threshold)
{
    m_intensity = intensity;
    m_threshold = threshold;
    update();
}

void SensorChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const int axisWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    const QRectF plot = QRectF(rect()).adjusted(axisWidth, 8, -8, -kMargin);
    painter.setPen(palette().text().color());
    painter.drawRect(plot);

    const std::size_t steps = std::max({m_first.size(), m_second.size(), std::size_t{2}});
    std::int32_t top = kUsualTop;
    for (const auto* sample : {&m_first, &m_second}) {
        for (const std::int32_t value : *sample)
            top = std::max(top, value);
    }
    const auto x = [&](double step) {
        return plot.left() + plot.width() * step / double(steps - 1);
    };
    const auto y = [&](double value) {
        return plot.bottom() - plot.height() * std::clamp(value, 0.0, double(top)) / top;
    };

    painter.drawText(QRectF(plot.left(), plot.bottom(), plot.width(), kMargin), Qt::AlignCenter,
                     tr("Sensor Intensity"));
    painter.drawText(QRectF(0, plot.top(), axisWidth - 4, 16), Qt::AlignRight, QString::number(top));
    painter.drawText(QRectF(0, plot.bottom() - 16, axisWidth - 4, 16), Qt::AlignRight, QStringLiteral("0"));

    const auto drawSample = [&](const std::vector<std::int32_t>& sample, const QColor& colour) {
        if (sample.empty())
            return;
        QPainterPath path;
        path.moveTo(x(0), y(sample[0]));
        for (std::size_t i = 1; i < sample.size(); ++i)
            path.lineTo(x(double(i)), y(sample[i]));
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
        for (std::size_t i = 0; i < sample.size(); ++i)
            painter.drawEllipse(QPointF(x(double(i)), y(sample[i])), 2.5, 2.5);
    };
    const QColor firstColour(0x1f, 0x6f, 0xc0);
    const QColor secondColour(0xd0, 0x70, 0x10);
    drawSample(m_first, firstColour);
    drawSample(m_second, secondColour);

    // The legend, top left inside the plot.
    const int line = fontMetrics().height();
    const std::pair<QColor, QString> legend[] = {{firstColour, tr("Gap / mark")}, {secondColour, tr("Label")}};
    for (int i = 0; i < 2; ++i) {
        const QPointF at(plot.left() + 8, plot.top() + 4 + i * line);
        painter.setPen(QPen(legend[i].first, 2));
        painter.drawLine(at + QPointF(0, line / 2.0), at + QPointF(14, line / 2.0));
        painter.setPen(palette().text().color());
        painter.drawText(QRectF(at + QPointF(18, 0), QSizeF(120, line)), Qt::AlignVCenter, legend[i].second);
    }

    if (m_intensity) {
        painter.setPen(QPen(QColor(0x20, 0x90, 0x30), 1, Qt::DashLine));
        painter.drawLine(QPointF(x(*m_intensity), plot.top()), QPointF(x(*m_intensity), plot.bottom()));
    }
    if (m_threshold) {
        painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(*m_threshold)), QPointF(plot.right(), y(*m_threshold)));
    }
}

} // namespace norvane::ui
