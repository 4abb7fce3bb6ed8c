#include "WindowPlacement.h"

#include <QRect>
#include <QWidget>

namespace norvane::ui {

void CentreOnScreen(QWidget& window, const QRect& screen)
{
    window.move(screen.left() + (screen.width() - window.width()) / 2,
                screen.top() + (screen.height() - window.height()) / 2);
}

void PlaceAtThirdOf(QWidget& dialog, const QWidget& mainWindow)
{
    const QRect frame = mainWindow.frameGeometry();
    dialog.move(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3);
}

} // namespace norvane::ui
