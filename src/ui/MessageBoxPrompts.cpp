#include "MessageBoxPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace norvane::ui {

void MessageBoxPrompts::showMessage(const QString& text)
{
    // A window created under a disabled owner stays enabled, so the box can be answered while an
    // operation keeps the main window disabled.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, m_title, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace norvane::ui
