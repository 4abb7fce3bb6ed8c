#pragma once

namespace norvane {

enum class ProgressMode
{
    StepPerWrite = 0,
    Percentage = 1,
};

/// What shows progress to the user: the progress window, a terminal bar, or a test recorder.
class ProgressView
{
public:
    virtual ~ProgressView() = default;
    virtual void showBar() = 0;
    virtual void setBarPosition(int percent) = 0;
    /// Removes the bar; the window keeps it visible a moment first so a short operation is still seen.
    virtual void hideBar() = 0;
    /// Lets the user interface handle its pending events between written chunks.
    virtual void passEvents() = 0;
};

/// Progress state of the byte layer: a bar that either advances by a step per write or follows a percentage.
class Progress
{
public:
    void setView(ProgressView* view) { m_view = view; }

    void ShowProgress(ProgressMode mode, int initialStep, int stepPerWrite);
    /// Does nothing unless progress is shown in the same mode.
    void StepProgress(ProgressMode mode, int value);
    void HideProgress();
    void PassEvents();

    bool isShown() const { return m_shown; }
    int position() const { return m_position; }

private:
    void moveTo(int position);

    ProgressView* m_view = nullptr;
    bool m_shown = false;
    ProgressMode m_mode = ProgressMode::StepPerWrite;
    int m_stepPerWrite = 0;
    int m_position = 0;
};

} // namespace norvane
