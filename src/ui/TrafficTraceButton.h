#pragma once

#include <QPushButton>

namespace norvane {
class LinkLayer;
}

namespace norvane::ui {

class UserPrompts;

/// The status bar's "Traffic trace" button: a first click writes the traffic of every following operation to
/// a file the user chooses, the next click stops. It stays pressed while a trace runs.
class TrafficTraceButton : public QPushButton
{
    Q_OBJECT

public:
    TrafficTraceButton(LinkLayer& links, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    void toggle();
    void start();
    void stop();
    /// A trace that could not go on: said once, after the operation that met it has let go of the window.
    void failed(const QString& reason);
    void showState();

    LinkLayer& m_links;
    UserPrompts& m_prompts;
    QString m_path;
};

} // namespace norvane::ui
