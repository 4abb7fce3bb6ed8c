#include "TerminalProgress.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

using namespace norvane;

namespace {

/// What the view wrote to its terminal.
class CapturedTerminal
{
public:
    CapturedTerminal() : m_file(::open_memstream(&m_buffer, &m_size)) {}
    ~CapturedTerminal()
    {
        std::fclose(m_file);
        std::free(m_buffer);
    }
    CapturedTerminal(const CapturedTerminal&) = delete;
    CapturedTerminal& operator=(const CapturedTerminal&) = delete;

    std::FILE* file() const { return m_file; }

    /// Everything written since the last call.
    std::string takeText()
    {
        std::fflush(m_file);
        std::string text(m_buffer, m_size);
        std::rewind(m_file);
        return text;
    }

private:
    char* m_buffer = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_file;
};

} // namespace

TEST(TerminalProgressTest, aLongWaitWithoutABarSaysSoUntilTheLinkClosesAndUnderABarLeavesTheBar)
{
    CapturedTerminal terminal;
    cli::TerminalProgress view(terminal.file());
    Progress progress;
    progress.setView(&view);

    progress.ShowWaiting();
    progress.ShowWaiting(); // a further long wait of the same link
    EXPECT_EQ(terminal.takeText(), "\rWaiting for the printer...");
    progress.HideWaiting();
    EXPECT_EQ(terminal.takeText(), "\r\033[K");

    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    terminal.takeText();
    progress.ShowWaiting();
    progress.HideWaiting();
    EXPECT_EQ(terminal.takeText(), "");
    progress.HideProgress();
    EXPECT_EQ(terminal.takeText(), "\r\033[K");
}
