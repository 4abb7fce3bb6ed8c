#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

namespace norvane::ui {

/// The guided measurement's samples drawn as value over intensity: the first sample (liner or mark), the
/// second (label), and the chosen intensity and threshold, so the user sees why that intensity won.
class SensorChart : public QWidget
{
    Q_OBJECT

public:
    explicit SensorChart(QWidget* parent = nullptr);

    void setSamples(const std::vector<std::int32_t>& first, const std::vector<std::int32_t>& second);
    /// Marks the chosen intensity and threshold; nothing clears the marks.
    void setChoice(std::optional<std::int32_t> intensity, std::optional<std::int32_t> threshold);

    QSize sizeHint() const override { return {300, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::int32_t> m_first;
    std::vector<std::int32_t> m_second;
    std::optional<std::int32_t> m_intensity;
    std::optional<std::int32_t> m_threshold;
};

} // namespace norvane::ui
