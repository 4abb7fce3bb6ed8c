#pragma once

#include "config/ConfigItem.h"

#include <QString>

namespace norvane::ui {

// Texts of the record are bytes in the code page of the interface language; the English pages use Latin-1.

/// What a field shows for a text setting: its text when the setting is known, else nothing.
template <std::size_t N> QString ShownText(const TextItem<N>& item)
{
    return item.isSet() ? QString::fromLatin1(item.text()) : QString();
}

/// A field's text into a text setting; an empty field leaves the setting unknown, so nothing is written.
template <std::size_t N> void TakeText(const QString& text, TextItem<N>& item)
{
    item.valid = 0;
    if (!text.isEmpty())
        item.setText(text.toLatin1());
}

} // namespace norvane::ui
