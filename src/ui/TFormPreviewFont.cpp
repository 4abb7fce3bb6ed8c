#include "TFormPreviewFont.h"

#include "CurrentLanguage.h"
#include "FormControls.h"
#include "LanguageRows.h"
#include "fonts/BitmapFontFile.h"
#include "fonts/CodeSets.h"
#include "fonts/FontSheet.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {

constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 480;
constexpr int kColumnWidth = 20;
constexpr int kRowHeight = 30;
constexpr int kPreviewPoints = 10;
/// Wide enough for the 16 columns of a made font of up to about 30 pixels without scrolling sideways.
constexpr int kMadeFontViewWidth = 660;

/// The window's texts from the language table, put on when it opens.
const LanguageRow kPreviewRows[] = {{"TFormPreviewFont", 180}, {"ButtonExit", 3}};

} // namespace

TFormPreviewFont::TFormPreviewFont(QWidget* parent)
    : QDialog(parent), m_views(Named<QTabWidget>("PageControlPreview")), m_imagePreview(Named<QLabel>("ImagePreview")),
      m_imageMadeFont(Named<QLabel>("ImageMadeFont"))
{
    setObjectName(QStringLiteral("TFormPreviewFont"));
    setWindowTitle(QStringLiteral("Preview Font"));
    m_imagePreview->setFixedSize(kPreviewWidth, kPreviewHeight);
    auto* made = new QScrollArea;
    made->setWidget(m_imageMadeFont);
    made->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_imageMadeFont->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* grid = new QWidget;
    auto* centred = new QHBoxLayout(grid);
    centred->addWidget(m_imagePreview, 0, Qt::AlignCenter);
    m_views->addTab(grid, QStringLiteral("Preview"));
    m_views->addTab(made, QStringLiteral("Made Font"));
    auto* buttonExit = Named<QPushButton>("ButtonExit", QStringLiteral("Exit"));
    connect(buttonExit, &QPushButton::clicked, this, &TFormPreviewFont::ButtonExitClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_views);
    layout->addLayout(buttons);
    ApplyLanguageRows(*this, kPreviewRows, CurrentLanguage());
    // Fixed border: big enough for the grid, and for a good part of a made font.
    setFixedSize(sizeHint().expandedTo(QSize(kMadeFontViewWidth, 0)));
}

void TFormPreviewFont::drawPreview(const QFont& font)
{
    QPixmap canvas(kPreviewWidth, kPreviewHeight);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    QFont small = font;
    small.setPointSize(kPreviewPoints);
    painter.setFont(small);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(small);
    // The codes read as the font maker reads them, so the grid shows the characters a made font holds.
    CodeDecoder decoder(nullptr);
    for (int code = 1; code < 256; ++code) {
        const int x = code % 16 * kColumnWidth + 5;
        const int y = code / 16 * kRowHeight + 5;
        painter.drawText(x, y + metrics.ascent(), decoder.text({static_cast<unsigned char>(code), 0, false}));
    }
    for (int x = kColumnWidth; x < kPreviewWidth; x += kColumnWidth)
        painter.drawLine(x, 0, x, kPreviewHeight - 1);
    for (int y = kRowHeight; y < kPreviewHeight; y += kRowHeight)
        painter.drawLine(0, y, kPreviewWidth - 1, y);
    painter.end();
    m_imagePreview->setPixmap(canvas);
    m_views->setCurrentIndex(0);
}

void TFormPreviewFont::showMadeFont(const BitmapFontFile* font, const QString& error)
{
    if (font) {
        m_imageMadeFont->setPixmap(QPixmap::fromImage(DrawFontSheet(*font)));
    } else {
        m_imageMadeFont->setText(error);
    }
    m_imageMadeFont->adjustSize();
    m_views->setCurrentIndex(1);
}

void TFormPreviewFont::ButtonExitClick()
{
    close();
}

} // namespace norvane::ui
