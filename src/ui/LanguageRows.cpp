#include "LanguageRows.h"

#include "RadioGroup.h"
#include "i18n/LanguageTable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>

namespace norvane::ui {

namespace {

void SetCaption(QWidget& window, QWidget& control, const QString& text)
{
    if (&control == &window) {
        window.setWindowTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(text);
    } else if (auto* stack = qobject_cast<QStackedWidget*>(control.parentWidget())) {
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setTabText(tabs->indexOf(&control), text);
    }
}

void SetItem(QWidget& control, int item, const QString& text)
{
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        if (item < list->count())
            list->setItemText(item, text);
    } else if (auto* group = qobject_cast<RadioGroup*>(&control)) {
        group->setItemText(item, text);
    }
}

} // namespace

void ApplyLanguageRows(QWidget& window, std::span<const LanguageRow> rows, UiLanguage language)
{
    for (const LanguageRow& row : rows) {
        const QString name = QLatin1StringView(row.objectName);
        QWidget* control = window.objectName() == name ? &window : window.findChild<QWidget*>(name);
        if (!control)
            continue;
        const QString text = LanguageText(row.row, language);
        if (row.item < 0)
            SetCaption(window, *control, text);
        else
            SetItem(*control, row.item, text);
    }
}

} // namespace norvane::ui
