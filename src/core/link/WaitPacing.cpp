#include "link/WaitPacing.h"

#include "link/Progress.h"

namespace norvane {

bool WaitPacing::between(std::chrono::steady_clock::duration waited)
{
    if (!m_toldWaiting && waited >= m_showWaitingAfter) {
        m_toldWaiting = true;
        m_progress.ShowWaiting();
    }
    m_progress.PassEvents();
    if (m_progress.TakeCancelRequest())
        m_stopped = true;
    return !m_stopped;
}

} // namespace norvane
