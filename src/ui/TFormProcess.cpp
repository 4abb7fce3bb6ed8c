#include "TFormProcess.h"

#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace norvane::ui {

namespace {
constexpr int kWindowWidth = 320;
constexpr int kBarMaximum = 100;
} // namespace

TFormProcess::TFormProcess(const QRect& screen, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_screen(screen),
      m_mainWindow(mainWindow), m_progressBar1(new QProgressBar(this)), m_buttonCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FormProcess"));
    setWindowTitle(QStringLiteral("Communicating..."));
    // While it shows, its Cancel is the only control that takes input: no second operation can start from a
    // window or dialog that an operation leaves enabled.
    setWindowModality(Qt::ApplicationModal);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setRange(0, kBarMaximum);
    m_buttonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    m_buttonCancel->setText(QStringLiteral("Cancel"));
    connect(m_buttonCancel, &QPushButton::clicked, this, &TFormProcess::ButtonCancelClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progressBar1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_buttonCancel);
    layout->addLayout(buttons);
    setFixedSize(kWindowWidth, sizeHint().height());
}

void TFormProcess::showBar()
{
    m_barShown = true;
    m_progressBar1->setRange(0, kBarMaximum);
    present();
}

void TFormProcess::setBarPosition(int percent)
{
    m_progressBar1->setValue(percent);
}

void TFormProcess::hideBar()
{
    m_barShown = false;
    m_buttonCancel->setEnabled(false);
    m_progressBar1->setRange(0, kBarMaximum);
    m_progressBar1->setValue(kBarMaximum);
    if (isVisible())
        linger();
    dismiss();
}

void TFormProcess::passEvents()
{
    // Without this window there is nothing to click during an operation: the clicks wait until it is over.
    QCoreApplication::processEvents(isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void TFormProcess::showWaiting()
{
    if (!m_barShown)
        m_progressBar1->setRange(0, 0);
    present();
}

void TFormProcess::hideWaiting()
{
    dismiss();
}

void TFormProcess::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_buttonCancel->isEnabled())
        ButtonCancelClick();
}

void TFormProcess::present()
{
    CentreOnScreen(*this, m_screen);
    // A window the main window is transient for is stacked above it by the window manager.
    if (m_mainWindow && m_mainWindow->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(m_mainWindow->windowHandle());
    }
    m_buttonCancel->setEnabled(true);
    show();
    raise();
    activateWindow();
}

void TFormProcess::dismiss()
{
    hide();
    // Kept while shown only: a hidden window the main window is transient for would still count as the main
    // window's active part until the main window is activated again.
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(nullptr);
}

void TFormProcess::linger()
{
    // Not a sleep: the full bar must be painted, and the program stays responsive meanwhile.
    QTimer over;
    over.setSingleShot(true);
    over.start(kLinger);
    while (over.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TFormProcess::ButtonCancelClick()
{
    m_buttonCancel->setEnabled(false);
    requestCancel();
}

} // namespace norvane::ui
