#include "FormControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace norvane::ui {

namespace {

// One width for every control column, so the rows of all tabs line up; a second control beside one (a
// base value, the mirror beside the direction) is narrower.
constexpr int kControlWidth = 104;
constexpr int kBesideWidth = 60;
constexpr int kColumnGap = 32;
// Caption, control, the widget beside it, and the gap before the next column.
constexpr int kGridColumnsPerColumn = 4;

} // namespace

QString CaptionText(const QWidget& control)
{
    const QWidget* parent = control.parentWidget();
    const QList<QLabel*> labels = parent ? parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly) : QList<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy() == &control) {
            QString caption = label->text().trimmed();
            if (caption.endsWith(u':'))
                caption.chop(1);
            return caption;
        }
    }
    return control.objectName();
}

QLabel* NewLabel(const char* name, const QString& text)
{
    return Named<QLabel>(name, text);
}

QLineEdit* NewEdit(const char* name, int maxLength)
{
    auto* edit = Named<QLineEdit>(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* NewReadOnlyEdit(const char* name)
{
    QLineEdit* edit = NewEdit(name);
    edit->setReadOnly(true);
    return edit;
}

QComboBox* NewList(const char* name, const QStringList& items)
{
    auto* list = new QComboBox;
    list->setObjectName(QLatin1StringView(name));
    list->addItems(items);
    return list;
}

void FitListToItems(QComboBox& list)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    // The arrow and the frame take the same room whatever the width; the item is drawn a pixel in from each
    // side of the field.
    const int chrome = option.rect.width() - field.width() + 2;
    int widest = 0;
    for (int item = 0; item < list.count(); ++item)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(list.itemText(item)));
    list.setMinimumWidth(std::max(list.minimumWidth(), widest + chrome));
}

FormColumn::FormColumn(QGridLayout& grid, int index) : m_grid(grid), m_column(index * kGridColumnsPerColumn)
{
    if (index > 0)
        m_grid.setColumnMinimumWidth(m_column - 1, kColumnGap);
}

void FormColumn::addRow(QLabel* caption, QWidget* control, QWidget* beside)
{
    m_grid.addWidget(caption, m_row, m_column);
    // A list whose longest item is wider than the column's controls gets the room to show it whole, in
    // whichever language its items are.
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setMinimumWidth(kControlWidth);
        FitListToItems(*list);
        list->setSizePolicy(QSizePolicy::Fixed, list->sizePolicy().verticalPolicy());
    } else {
        control->setFixedWidth(kControlWidth);
    }
    m_grid.addWidget(control, m_row, m_column + 1);
    if (beside) {
        if (!qobject_cast<QLabel*>(beside))
            beside->setFixedWidth(kBesideWidth);
        m_grid.addWidget(beside, m_row, m_column + 2);
    }
    ++m_row;
}

void KeepAtTopLeft(QGridLayout& grid)
{
    grid.setRowStretch(grid.rowCount(), 1);
    grid.setColumnStretch(grid.columnCount(), 1);
}

} // namespace norvane::ui
