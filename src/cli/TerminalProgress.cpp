#include "TerminalProgress.h"

namespace norvane::cli {

namespace {
constexpr int kBarWidth = 40;
}

void TerminalProgress::showBar()
{
    m_barShown = true;
    m_shownPercent = -1;
    setBarPosition(0);
}

void TerminalProgress::setBarPosition(int percent)
{
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(m_terminal, "\r%s [%-*.*s] %3d%%", m_caption, kBarWidth, filled,
                 "########################################", percent);
    std::fflush(m_terminal);
}

void TerminalProgress::hideBar()
{
    m_barShown = false;
    m_waitingShown = false;
    clearLine();
}

void TerminalProgress::showWaiting()
{
    if (m_barShown || m_waitingShown)
        return;
    m_waitingShown = true;
    std::fprintf(m_terminal, "\rWaiting for the printer...");
    std::fflush(m_terminal);
}

void TerminalProgress::hideWaiting()
{
    if (!m_waitingShown)
        return;
    m_waitingShown = false;
    clearLine();
}

void TerminalProgress::clearLine()
{
    std::fprintf(m_terminal, "\r\033[K");
    std::fflush(m_terminal);
}

} // namespace norvane::cli
