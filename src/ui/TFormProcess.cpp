#include "TFormProcess.h"

#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

namespace norvane::ui {

namespace {
/// Keeps the window up a moment after the transfer, so even a short one is seen.
constexpr unsigned long kHideDelayMs = 200;
constexpr QSize kWindowSize{320, 56};
} // namespace

TFormProcess::TFormProcess(const QRect& screen)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_screen(screen),
      m_progressBar1(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FormProcess"));
    setWindowTitle(QStringLiteral("Communicating..."));
    setFixedSize(kWindowSize);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progressBar1);
}

void TFormProcess::showBar()
{
    CentreOnScreen(*this, m_screen);
    show();
}

void TFormProcess::setBarPosition(int percent)
{
    m_progressBar1->setValue(percent);
}

void TFormProcess::hideBar()
{
    QThread::msleep(kHideDelayMs);
    hide();
}

void TFormProcess::passEvents()
{
    QCoreApplication::processEvents();
}

} // namespace norvane::ui
