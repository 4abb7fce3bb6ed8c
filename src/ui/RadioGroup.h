#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace norvane::ui {

/// A captioned group of radio buttons addressed by item index; −1 means no item is selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, Qt::Orientation orientation,
               QWidget* parent = nullptr);

    int itemIndex() const { return m_buttons.checkedId(); }
    /// A negative index selects nothing; an index past the last item selects the last one.
    void setItemIndex(int index);
    QString itemText(int index) const;
    void setItemText(int index, const QString& text);

signals:
    /// An item became selected, by the user or by `setItemIndex`.
    void itemIndexChanged(int index);

private:
    QButtonGroup m_buttons;
};

} // namespace norvane::ui
