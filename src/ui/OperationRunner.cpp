#include "OperationRunner.h"

#include "UserPrompts.h"

#include <QWidget>

namespace norvane::ui {

OperationRunner::OperationRunner(QWidget& mainWindow, CommandDispatcher& dispatcher, UserPrompts& prompts,
                                 std::function<InterfaceKind()> currentKind)
    : m_mainWindow(mainWindow), m_dispatcher(dispatcher), m_prompts(prompts), m_currentKind(std::move(currentKind))
{
}

ResultCode OperationRunner::RunOperation(OperationCode op, std::any record, std::int32_t extra)
{
    m_mainWindow.setEnabled(false);
    const ResultCode result = m_dispatcher.dispatch(op, m_currentKind(), std::move(record), extra);
    if (result != ResultCode::Success)
        m_prompts.showMessage(ResultMessage(result));
    m_mainWindow.setEnabled(true);
    m_mainWindow.raise();
    m_mainWindow.activateWindow();
    return result;
}

} // namespace norvane::ui
