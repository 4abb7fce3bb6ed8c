#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <utility>

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

/// Selects item `index` of a list, or no item when the list has none of that index.
inline void ShowListItem(QComboBox& list, int index)
{
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

} // namespace norvane::ui
