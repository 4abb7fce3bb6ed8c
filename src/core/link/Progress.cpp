#include "link/Progress.h"

#include <algorithm>

namespace norvane {

namespace {
constexpr int kBarMaximum = 100;
}

void Progress::ShowProgress(ProgressMode mode, int initialStep, int stepPerWrite)
{
    m_mode = mode;
    m_stepPerWrite = stepPerWrite;
    m_shown = true;
    m_position = 0;
    if (m_view)
        m_view->showBar();
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
    m_position = kBarMaximum;
    if (m_view)
        m_view->hideBar();
}

void Progress::PassEvents()
{
    if (m_view)
        m_view->passEvents();
}

void Progress::moveTo(int position)
{
    // A progress bar clamps to its range, and so do we.
    m_position = std::clamp(position, 0, kBarMaximum);
    if (m_view)
        m_view->setBarPosition(m_position);
}

} // namespace norvane
