#pragma once

#include <chrono>

namespace norvane {

class Progress;

/// How one long wait of the byte layer keeps the program alive: it waits in slices, between them the
/// progress view paints, once the wait has lasted `showWaitingAfter` the view shows that the program waits
/// for the printer, and the user's request to stop ends the wait as its time-out would.
class WaitPacing
{
public:
    static constexpr std::chrono::milliseconds kSlice{50};

    WaitPacing(Progress& progress, std::chrono::milliseconds showWaitingAfter)
        : m_progress(progress), m_showWaitingAfter(showWaitingAfter)
    {
    }

    /// Called after each slice with the time waited so far; false once the user asked to stop waiting.
    bool between(std::chrono::steady_clock::duration waited);

    /// Whether the user stopped this wait.
    bool stopped() const { return m_stopped; }

private:
    Progress& m_progress;
    std::chrono::milliseconds m_showWaitingAfter;
    bool m_toldWaiting = false;
    bool m_stopped = false;
};

} // namespace norvane
