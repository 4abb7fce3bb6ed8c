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
    void setBarPosition(int percent) override;
    void hideBar() override;
    void passEvents() override {}

private:
    std::FILE* m_terminal;
    int m_shownPercent = -1;
};

} // namespace norvane::cli
