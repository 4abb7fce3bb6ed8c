#pragma once

#include "link/Progress.h"

#include <QRect>
#include <QWidget>
#include <chrono>

class QProgressBar;
class QPushButton;

namespace norvane::ui {

/// The progress window "Communicating..." that the link layer shows around long transfers and during long
/// waits for the printer. Whenever it shows, it comes up above the main window and active, so it cannot open
/// hidden behind it, and modal; its Cancel button stops the waiting for the printer.
class TFormProcess : public QWidget, public ProgressView
{
    Q_OBJECT

public:
    /// Keeps the full bar up this long after a transfer, so even a short one is seen.
    static constexpr std::chrono::milliseconds kLinger{200};

    /// Shows itself in the middle of `screen`, kept above `mainWindow` when there is one.
    explicit TFormProcess(const QRect& screen, QWidget* mainWindow = nullptr);

    void showBar() override;
    void setCaption(const char* caption) override { setWindowTitle(QLatin1StringView(caption)); }
    void setBarPosition(int percent) override;
    /// Shows the bar full for kLinger, painting and handling events meanwhile, then hides.
    void hideBar() override;
    /// Paints and runs timers; user input only while the window shows.
    void passEvents() override;
    /// Without a bar, the bar shows that the program is busy instead of a position.
    void showWaiting() override;
    void hideWaiting() override;

protected:
    /// Closing the window from the desktop stops the waiting, like Cancel; the window stays until its caller
    /// takes it away.
    void closeEvent(QCloseEvent* event) override;

private:
    void present();
    void dismiss();
    void linger();
    void ButtonCancelClick();

    QRect m_screen;
    QWidget* m_mainWindow;
    QProgressBar* m_progressBar1;
    QPushButton* m_buttonCancel;
    bool m_barShown = false;
};

} // namespace norvane::ui
