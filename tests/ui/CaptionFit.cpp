#include "CaptionFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace norvane::test {

namespace {

QString Fault(const QWidget& control, const QString& text, int needed, int room)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(control.objectName(), text).arg(needed).arg(room);
}

int TextWidth(const QWidget& control, const QString& text)
{
    return control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

void CheckLabel(const QLabel& label, QStringList& faults)
{
    if (label.text().isEmpty() || label.wordWrap() || label.textFormat() == Qt::RichText)
        return;
    const int room = label.contentsRect().width() - 2 * label.margin() - 2 * label.indent();
    const int needed = TextWidth(label, label.text());
    if (needed > room)
        faults << Fault(label, label.text(), needed, room);
}

void CheckPushButton(const QPushButton& button, QStringList& faults)
{
    if (button.text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const int room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    const int needed = TextWidth(button, button.text());
    if (needed > room)
        faults << Fault(button, button.text(), needed, room);
}

/// Check boxes and radio buttons: the indicator, the gap and the text.
void CheckIndicatorButton(const QAbstractButton& button, QStringList& faults)
{
    if (button.text().isEmpty())
        return;
    const int needed = button.sizeHint().width();
    if (needed > button.width())
        faults << Fault(button, button.text(), needed, button.width());
}

void CheckGroupTitle(const QGroupBox& group, QStringList& faults)
{
    if (group.title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QSize title(group.fontMetrics().horizontalAdvance(group.title() + u' '), group.fontMetrics().height());
    const int needed = group.style()->sizeFromContents(QStyle::CT_GroupBox, &option, title, &group).width();
    if (needed > group.width())
        faults << Fault(group, group.title(), needed, group.width());
}

void CheckListItems(const QComboBox& list, QStringList& faults)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    option.subControls = QStyle::SC_All;
    // The item is drawn a pixel in from each side of the field.
    const int room =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list).width() - 2;
    for (int item = 0; item < list.count(); ++item) {
        const int needed = list.fontMetrics().horizontalAdvance(list.itemText(item));
        if (needed > room)
            faults << Fault(list, list.itemText(item), needed, room);
    }
}

void CheckTabs(const QTabBar& bar, QStringList& faults)
{
    const int padding = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int tab = 0; tab < bar.count(); ++tab) {
        if (!bar.isTabVisible(tab))
            continue;
        const QRect box = bar.tabRect(tab);
        const int needed = bar.fontMetrics().horizontalAdvance(bar.tabText(tab)) + padding;
        if (needed > box.width() || !bar.rect().contains(box))
            faults << Fault(bar, bar.tabText(tab), needed, box.width());
    }
}

void CheckControl(const QWidget& control, QStringList& faults)
{
    if (!control.parentWidget()->rect().contains(control.geometry()))
        faults
            << QStringLiteral("%1 reaches outside %2").arg(control.objectName(), control.parentWidget()->objectName());
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        CheckLabel(*label, faults);
    else if (const auto* button = qobject_cast<const QPushButton*>(&control))
        CheckPushButton(*button, faults);
    else if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control))
        CheckIndicatorButton(*qobject_cast<const QAbstractButton*>(&control), faults);
    else if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        CheckGroupTitle(*group, faults);
    else if (const auto* list = qobject_cast<const QComboBox*>(&control))
        CheckListItems(*list, faults);
    else if (const auto* bar = qobject_cast<const QTabBar*>(&control))
        CheckTabs(*bar, faults);
}

/// Brings `page` to the front of every tab control it lies in.
void Reveal(QWidget& window, QWidget& page)
{
    for (QWidget* widget = &page; widget && widget != &window; widget = widget->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
            tabs->setCurrentWidget(widget);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace

QStringList ClippedCaptions(QWidget& window)
{
    QList<QWidget*> pages{&window};
    QList<QPair<QTabWidget*, QWidget*>> shown;
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        shown.append({tabs, tabs->currentWidget()});
        for (int index = 0; index < tabs->count(); ++index)
            pages << tabs->widget(index);
    }
    QSet<const QWidget*> checked;
    QStringList faults;
    for (QWidget* page : pages) {
        Reveal(window, *page);
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (control->isWindow() || !control->isVisibleTo(&window) || checked.contains(control))
                continue;
            checked.insert(control);
            CheckControl(*control, faults);
        }
    }
    for (const auto& [tabs, page] : shown)
        tabs->setCurrentWidget(page);
    faults.removeDuplicates();
    return faults;
}

} // namespace norvane::test
