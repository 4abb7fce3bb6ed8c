#pragma once

#include "link/InterfaceKind.h"
#include "protocol/CommandDispatcher.h"

#include <functional>

class QWidget;

namespace norvane::ui {

class UserPrompts;

/// The standard call of a printer operation from a window: the main window is disabled meanwhile so no
/// second operation can start, and a failure is shown once, with its code's message.
class OperationRunner
{
public:
    /// `currentKind` answers the interface chosen at the moment an operation starts.
    OperationRunner(QWidget& mainWindow, CommandDispatcher& dispatcher, UserPrompts& prompts,
                    std::function<InterfaceKind()> currentKind);

    template <OperationCode Op> ResultCode RunOperation(RecordOf<Op>& record, std::int32_t extra = 0)
    {
        return run([&](InterfaceKind kind) { return m_dispatcher.dispatch<Op>(kind, record, extra); });
    }

    template <OperationCode Op>
    requires std::is_void_v<RecordOf<Op>> ResultCode RunOperation()
    {
        return run([&](InterfaceKind kind) { return m_dispatcher.dispatch<Op>(kind); });
    }

    QWidget& mainWindow() const { return m_mainWindow; }
    UserPrompts& prompts() const { return m_prompts; }

private:
    ResultCode run(const std::function<ResultCode(InterfaceKind)>& operation);

    QWidget& m_mainWindow;
    CommandDispatcher& m_dispatcher;
    UserPrompts& m_prompts;
    std::function<InterfaceKind()> m_currentKind;
};

} // namespace norvane::ui
