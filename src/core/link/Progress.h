#pragma once

namespace norvane {

class Progress;

/// The progress window's caption while the printer is talked to.
inline constexpr char kCommunicatingCaption[] = "Communicating...";

enum class ProgressMode
{
    StepPerWrite = 0,
    Percentage = 1,
};

/// What shows progress to the user: the progress window, a terminal bar, or a test recorder.
class ProgressView
{
public:
    ProgressView() = default;
    /// Leaves the Progress it is set on without a view.
    virtual ~ProgressView();
    ProgressView(const ProgressView&) = delete;
    ProgressView& operator=(const ProgressView&) = delete;

    virtual void showBar() = 0;
    /// What the bar is shown for; set before each showBar.
    virtual void setCaption(const char*) {}
    virtual void setBarPosition(int percent) = 0;
    /// Removes the bar; the window keeps it visible a moment first so a short operation is still seen.
    virtual void hideBar() = 0;
    /// Lets the user interface handle its pending events: between written chunks, and between the slices of
    /// every wait for input, so a window keeps painting while the printer takes its time.
    virtual void passEvents() = 0;
    /// A wait for input has gone on for a while (LinkTimeouts::showWaitingAfter): show that the program is
    /// waiting for the printer, with a way to stop waiting, whether a bar is shown or not. Called again at each
    /// further long wait of the same link.
    virtual void showWaiting() = 0;
    /// The link that waited is closed and no bar is shown: take away what showWaiting showed.
    virtual void hideWaiting() = 0;

protected:
    /// For the view's way to stop waiting: the link ends its current wait as its time-out would, and every
    /// further read of that link fails at once, so the operation ends as with a printer that did not answer.
    void requestCancel();

private:
    friend class Progress;
    Progress* m_progress = nullptr;
};

/// Progress state of the byte layer: a bar that either advances by a step per write or follows a percentage,
/// and the notices of long waits with the user's request to stop them.
class Progress
{
public:
    Progress() = default;
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void setView(ProgressView* view);

    void ShowProgress(ProgressMode mode, int initialStep, int stepPerWrite,
                      const char* caption = kCommunicatingCaption);
    /// Does nothing unless progress is shown in the same mode.
    void StepProgress(ProgressMode mode, int value);
    /// Also takes away what a long wait showed.
    void HideProgress();
    void PassEvents();

    /// From the link, when one of its waits has lasted LinkTimeouts::showWaitingAfter.
    void ShowWaiting();
    /// From the link, when it closes: the view takes away what its waits showed, unless a bar is still shown.
    void HideWaiting();
    /// From the view: the user wants to stop waiting for the printer.
    void RequestCancel() { m_cancelRequested = true; }
    /// The link takes the request; a request nobody took dies with the next link's opening.
    bool TakeCancelRequest();

    bool isShown() const { return m_shown; }
    bool isWaitingShown() const { return m_waitingShown; }
    int position() const { return m_position; }

private:
    friend class ProgressView;
    void moveTo(int position);

    ProgressView* m_view = nullptr;
    bool m_shown = false;
    bool m_waitingShown = false;
    bool m_cancelRequested = false;
    ProgressMode m_mode = ProgressMode::StepPerWrite;
    int m_stepPerWrite = 0;
    int m_position = 0;
};

} // namespace norvane
