#pragma once

#include "link/Progress.h"

#include <cstdio>

namespace norvane::cli {

/// A text progress bar redrawn in place on a terminal.
class TerminalProgress : public ProgressView
{
public:
    explicit TerminalProgress(std::FILE* terminal) : m_terminal(terminal) {}

    void showBar() override;
    void setCaption(const char* caption) override { m_caption = caption; }
    void setBarPosition(int percent) override;
    void hideBar() override;
    void passEvents() override {}
    /// A line saying what the program waits for, unless a bar already says it; Ctrl-C is the way to stop.
    void showWaiting() override;
    void hideWaiting() override;

private:
    void clearLine();

    std::FILE* m_terminal;
    const char* m_caption = kCommunicatingCaption;
    int m_shownPercent = -1;
    bool m_barShown = false;
    bool m_waitingShown = false;
};

} // namespace norvane::cli
