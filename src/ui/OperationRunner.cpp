#include "OperationRunner.h"

#include "UserPrompts.h"

#include <QScopeGuard>
#include <QWidget>

namespace norvane::ui {

OperationRunner::OperationRunner(QWidget& mainWindow, CommandDispatcher& dispatcher, UserPrompts& prompts,
                                 std::function<InterfaceKind()> currentKind)
    : m_mainWindow(mainWindow), m_dispatcher(dispatcher), m_prompts(prompts), m_currentKind(std::move(currentKind))
{
}

ResultCode OperationRunner::run(const std::function<ResultCode(InterfaceKind)>& operation,
                                WindowDuringOperation window)
{
    const bool disable = window == WindowDuringOperation::Disabled;
    if (disable)
        m_mainWindow.setEnabled(false);
    // Whatever way the operation ends, the window must not stay disabled.
    const auto enable = qScopeGuard([this, disable] {
        if (disable)
            m_mainWindow.setEnabled(true);
        m_mainWindow.raise();
        m_mainWindow.activateWindow();
    });
    const ResultCode result = operation(m_currentKind());
    if (result != ResultCode::Success)
        m_prompts.showMessage(MessageKind::Error, ResultMessage(result));
    return result;
}

} // namespace norvane::ui
