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
        return run([&](InterfaceKind kind) { return m_dispatcher.dispatch<Op>(kind, record, extra); },
                   WindowDuringOperation::Disabled);
    }

    template <OperationCode Op>
    requires std::is_void_v<RecordOf<Op>> ResultCode RunOperation()
    {
        return run([&](InterfaceKind kind) { return m_dispatcher.dispatch<Op>(kind); },
                   WindowDuringOperation::Disabled);
    }

    /// As `RunOperation`, with the main window left enabled: the caller disables the controls that must not
    /// start the operation again. Input reaches the window only while the progress window shows, and that
    /// one is modal, so no second operation can start either.
    template <OperationCode Op> ResultCode RunOperationWindowEnabled(RecordOf<Op>& record, std::int32_t extra = 0)
    {
        return run([&](InterfaceKind kind) { return m_dispatcher.dispatch<Op>(kind, record, extra); },
                   WindowDuringOperation::Enabled);
    }

    /// Several operations as one, with the window disabled throughout and only the last failure shown.
    ResultCode RunOperations(const std::function<ResultCode(CommandDispatcher&, InterfaceKind)>& operations)
    {
        return run([&](InterfaceKind kind) { return operations(m_dispatcher, kind); }, WindowDuringOperation::Disabled);
    }

    QWidget& mainWindow() const { return m_mainWindow; }
    UserPrompts& prompts() const { return m_prompts; }

private:
    enum class WindowDuringOperation
    {
        Disabled,
        Enabled,
    };

    ResultCode run(const std::function<ResultCode(InterfaceKind)>& operation, WindowDuringOperation window);

    QWidget& m_mainWindow;
    CommandDispatcher& m_dispatcher;
    UserPrompts& m_prompts;
    std::function<InterfaceKind()> m_currentKind;
};

} // namespace norvane::ui
