#pragma once

#include <QStringList>

class QWidget;

namespace norvane::test {

/// The captions of `window` that its controls cut: every label, button, group title, list item and tab caption
/// wider, by the control's own font, than the room the control gives it, and every control reaching outside
/// its parent. The pages of every tab control are shown in turn, so nothing is missed for being on a page
/// behind another; the window is left on the pages it was showing.
QStringList ClippedCaptions(QWidget& window);

} // namespace norvane::test
