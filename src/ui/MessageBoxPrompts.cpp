#include "MessageBoxPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace norvane::ui {

namespace {

/// A window created under a disabled owner stays enabled, so the prompt can be answered while an
/// operation keeps the main window disabled.
QWidget* owner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

} // namespace

void MessageBoxPrompts::showMessage(MessageKind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, m_title, text, QMessageBox::Ok, owner());
    box.exec();
}

bool MessageBoxPrompts::confirm(const QString& question)
{
    QMessageBox box(QMessageBox::Question, m_title, question, QMessageBox::Ok | QMessageBox::Cancel, owner());
    return box.exec() == QMessageBox::Ok;
}

QString MessageBoxPrompts::chooseOpenFile(const QString& filter, const QString& directory)
{
    QFileDialog dialog(owner(), QString(), directory, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString MessageBoxPrompts::chooseSaveFile(const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(owner(), QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

std::optional<QFont> MessageBoxPrompts::chooseFont(const QFont& initial)
{
    QFontDialog dialog(initial, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

} // namespace norvane::ui
