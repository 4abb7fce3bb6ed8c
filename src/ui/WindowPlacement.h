#pragma once

class QRect;
class QWidget;

namespace norvane::ui {

/// Puts a window in the middle of the screen.
void CentreOnScreen(QWidget& window, const QRect& screen);

/// Puts a dialog's top-left corner a third of the main window's width and height into the main window.
void PlaceAtThirdOf(QWidget& dialog, const QWidget& mainWindow);

} // namespace norvane::ui
