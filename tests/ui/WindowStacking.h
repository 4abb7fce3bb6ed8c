#pragma once

#include <QApplication>
#include <QPoint>
#include <QWidget>

namespace norvane::test {

/// Whether `window` is what the screen shows at `point`. The offscreen platform keeps no stacking order and
/// answers nothing there; under an X server (xvfb-run with QT_QPA_PLATFORM=xcb) this is the real stacking.
inline bool OnTopAt(const QWidget& window, QPoint point)
{
    const QWidget* top = QApplication::topLevelAt(point);
    return top == nullptr || top == &window;
}

} // namespace norvane::test
