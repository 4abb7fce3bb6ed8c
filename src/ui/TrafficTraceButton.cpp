#include "TrafficTraceButton.h"

#include "UserPrompts.h"
#include "link/LinkLayer.h"
#include "link/TrafficTrace.h"

#include <QDir>
#include <QMetaObject>
#include <QPointer>

namespace norvane::ui {

namespace {
constexpr const char* kIdleCaption = "Traffic trace";
constexpr const char* kRunningCaption = "Traffic trace (on)";
} // namespace

TrafficTraceButton::TrafficTraceButton(LinkLayer& links, UserPrompts& prompts, QWidget* parent)
    : QPushButton(parent), m_links(links), m_prompts(prompts)
{
    setObjectName(QStringLiteral("ButtonTrafficTrace"));
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, &TrafficTraceButton::toggle);
    showState();
}

void TrafficTraceButton::toggle()
{
    if (m_links.tracing())
        stop();
    else
        start();
}

void TrafficTraceButton::start()
{
    const QString path =
        m_prompts.chooseSaveFile(QStringLiteral("Traffic traces (*.txt);;All files (*)"), QStringLiteral("txt"));
    if (!path.isEmpty()) {
        QPointer<TrafficTraceButton> button(this);
        QString error;
        auto trace = TrafficTrace::ToFile(
            path,
            [button](const QString& reason) {
                // Met during an operation: the message waits until the event loop runs again.
                if (button)
                    QMetaObject::invokeMethod(
                        button, [button, reason] { button->failed(reason); }, Qt::QueuedConnection);
            },
            error);
        if (trace) {
            m_links.setTrace(std::move(trace));
            m_path = path;
        } else {
            m_prompts.showMessage(MessageKind::Error, error);
        }
    }
    showState();
}

void TrafficTraceButton::stop()
{
    m_links.setTrace(nullptr);
    m_path.clear();
    showState();
}

void TrafficTraceButton::failed(const QString& reason)
{
    if (!m_links.tracing())
        return;
    stop();
    m_prompts.showMessage(MessageKind::Error, reason);
}

void TrafficTraceButton::showState()
{
    const bool running = m_links.tracing();
    setChecked(running);
    setText(QLatin1StringView(running ? kRunningCaption : kIdleCaption));
    setToolTip(running ? QStringLiteral("Tracing to %1; click to stop").arg(QDir::toNativeSeparators(m_path))
                       : QStringLiteral("Write every byte sent to and received from the printer to a file"));
}

} // namespace norvane::ui
