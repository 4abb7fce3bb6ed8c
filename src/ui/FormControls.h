#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace norvane::ui {

QLabel* NewLabel(const char* name, const QString& text);
/// `maxLength` 0 leaves the edit without a limit.
QLineEdit* NewEdit(const char* name, int maxLength = 0);
QLineEdit* NewReadOnlyEdit(const char* name);
/// A drop-down list without free text.
QComboBox* NewList(const char* name, const QStringList& items);

/// Rows of a caption, a control and an optional widget beside it (a unit, a hint, a second value) in
/// three columns of a grid, so that the controls of a tab line up. Controls get fixed widths; labels
/// beside them keep their own.
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
