#pragma once

#include "link/Progress.h"

#include <QRect>
#include <QWidget>

class QProgressBar;

namespace norvane::ui {

/// The progress window "Communicating..." that the link layer shows around long transfers.
class TFormProcess : public QWidget, public ProgressView
{
    Q_OBJECT

public:
    /// Shows itself in the middle of `screen`.
    explicit TFormProcess(const QRect& screen);

    void showBar() override;
    void setBarPosition(int percent) override;
    void hideBar() override;
    void passEvents() override;

private:
    QRect m_screen;
    QProgressBar* m_progressBar1;
};

} // namespace norvane::ui
