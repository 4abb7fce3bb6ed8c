#pragma once

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <utility>

class QGridLayout;
class QLineEdit;

namespace norvane::ui {

/// A control with its system name as object name, so that tests and the language table find it.
template <typename Widget, typename... Arguments> Widget* Named(const char* name, Arguments&&... arguments)
{
    auto* widget = new Widget(std::forward<Arguments>(arguments)...);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

/// The label in front of `control`, tied to it as its buddy so that the two are enabled together.
inline QLabel* CaptionFor(QWidget& control, const char* text, const char* name = "")
{
    auto* label = Named<QLabel>(name, QLatin1StringView(text));
    label->setBuddy(&control);
    return label;
}

/// Enables or disables `control` together with its caption (see `CaptionFor`).
inline void SetEnabledWithCaption(QWidget& control, bool enabled)
{
    control.setEnabled(enabled);
    for (QLabel* label : control.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == &control)
            label->setEnabled(enabled);
    }
}

/// The caption of `control` as the user reads it, without its colon: the text of its buddy label (see
/// `CaptionFor`), or the control's name when it has none.
QString CaptionText(const QWidget& control);

/// Selects item `index` of a list, or no item when the list has none of that index.
inline void ShowListItem(QComboBox& list, int index)
{
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

QLabel* NewLabel(const char* name, const QString& text);
/// `maxLength` 0 leaves the edit without a limit.
QLineEdit* NewEdit(const char* name, int maxLength = 0);
QLineEdit* NewReadOnlyEdit(const char* name);
/// A drop-down list without free text.
QComboBox* NewList(const char* name, const QStringList& items);
/// Widens `list` so that its longest item shows whole; never narrows it, so a list that once held the items of
/// a wider language keeps their width.
void FitListToItems(QComboBox& list);

/// Rows of a caption, a control and an optional widget beside it (a unit, a hint, a second value) in
/// three columns of a grid, so that the controls of a tab line up. Controls get one fixed width, lists
/// wider when their longest item needs it; labels beside them keep their own.
class FormColumn
{
public:
    /// Column `index` of the tab, counted from the left; the columns are set apart by a gap.
    FormColumn(QGridLayout& grid, int index);

    void addRow(QLabel* caption, QWidget* control, QWidget* beside = nullptr);

private:
    QGridLayout& m_grid;
    int m_column;
    int m_row = 0;
};

/// Keeps a tab's rows together at its top left however large the tab is.
void KeepAtTopLeft(QGridLayout& grid);

} // namespace norvane::ui
