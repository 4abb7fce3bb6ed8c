#include "link/Progress.h"

#include <algorithm>

namespace norvane {

namespace {
constexpr int kBarMaximum = 100;
}

ProgressView::~ProgressView()
{
    if (m_progress)
        m_progress->m_view = nullptr;
}

void ProgressView::requestCancel()
{
    if (m_progress)
        m_progress->RequestCancel();
}

Progress::~Progress()
{
    setView(nullptr);
}

void Progress::setView(ProgressView* view)
{
    if (m_view)
        m_view->m_progress = nullptr;
    m_view = view;
    if (m_view)
        m_view->m_progress = this;
}

void Progress::ShowProgress(ProgressMode mode, int initialStep, int stepPerWrite, const char* caption)
{
    m_mode = mode;
    m_stepPerWrite = stepPerWrite;
    m_shown = true;
    m_position = 0;
    if (m_view) {
        m_view->setCaption(caption);
        m_view->showBar();
    }
    moveTo(initialStep);
}

void Progress::StepProgress(ProgressMode mode, int value)
{
    if (!m_shown || mode != m_mode)
        return;
    moveTo(mode == ProgressMode::StepPerWrite ? m_position + m_stepPerWrite : value);
}

void Progress::HideProgress()
{
    m_shown = false;
    m_waitingShown = false;
    m_position = kBarMaximum;
    if (m_view)
        m_view->hideBar();
}

void Progress::PassEvents()
{
    if (m_view)
        m_view->passEvents();
}

void Progress::ShowWaiting()
{
    m_waitingShown = true;
    if (m_view)
        m_view->showWaiting();
}

void Progress::HideWaiting()
{
    if (!m_waitingShown)
        return;
    m_waitingShown = false;
    // A bar shown around the whole operation stays until its own HideProgress.
    if (m_view && !m_shown)
        m_view->hideWaiting();
}

bool Progress::TakeCancelRequest()
{
    const bool requested = m_cancelRequested;
    m_cancelRequested = false;
    return requested;
}

void Progress::moveTo(int position)
{
    // A progress bar clamps to its range, and so do we.
    m_position = std::clamp(position, 0, kBarMaximum);
    if (m_view)
        m_view->setBarPosition(m_position);
}

} // namespace norvane
