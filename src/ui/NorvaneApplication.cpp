#include "NorvaneApplication.h"

#include "TFormMain.h"

#include <exception>
#include <utility>

namespace norvane::ui {

NorvaneApplication::NorvaneApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_messageBoxes(QString::fromLatin1(kMainWindowCaption))
{
}

UserPrompts* NorvaneApplication::setErrorPrompts(UserPrompts* prompts)
{
    return std::exchange(m_errorPrompts, prompts);
}

bool NorvaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

void NorvaneApplication::showError(const QString& text)
{
    (m_errorPrompts ? *m_errorPrompts : m_messageBoxes).showMessage(MessageKind::Error, text);
}

} // namespace norvane::ui
