#pragma once

#include <QDialog>
#include <QFont>

class QLabel;
class QTabWidget;

namespace norvane {
struct BitmapFontFile;
}

namespace norvane::ui {

/// "Preview Font": the 256 single-byte codes of a font in a 16 x 16 grid (`ImagePreview`), and beside it the
/// bitmap font as it was made, decoded from its file, so the user sees what the printer will draw.
class TFormPreviewFont : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPreviewFont(QWidget* parent = nullptr);

    /// Draws the grid of codes in `font` at 10 points and shows it.
    void drawPreview(const QFont& font);
    /// Shows every glyph of a made font, or why it cannot be shown.
    void showMadeFont(const BitmapFontFile* font, const QString& error);

private:
    void ButtonExitClick();

    QTabWidget* m_views;
    QLabel* m_imagePreview;
    QLabel* m_imageMadeFont;
};

} // namespace norvane::ui
