#pragma once

#include "config/ConfigItem.h"
#include "config/PrinterConfig.h"

#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <optional>

namespace norvane::ui {

// Texts of the record are bytes in the code page of the interface language; the English pages use Latin-1.

/// How many characters a text of the record holds: its field keeps one byte for the end.
template <std::size_t N> constexpr int TextCapacity(TextItem<N> PrinterConfig::*)
{
    return static_cast<int>(N - 1);
}

/// What a field shows for a text setting: its text when the setting is known, else nothing.
template <std::size_t N> QString ShownText(const TextItem<N>& item)
{
    return item.isSet() ? QString::fromLatin1(item.text()) : QString();
}

/// Shows `text` whole. `typedLimit` restrains typing only: a longer value from the printer or a file is shown as
/// it is, or the next Set or Save would send or store it cut.
void ShowWhole(QLineEdit& edit, int typedLimit, const QString& text);

/// The field's text as the record keeps it. Nothing, with a message naming the field in `error`, when the text
/// holds a character beyond Latin-1, which the record could only keep as '?'.
std::optional<QByteArray> FieldBytes(const QLineEdit& edit, QString& error);

/// A field's text into a text setting; an empty field leaves the setting unknown, so nothing is written. False,
/// with the message of `FieldBytes`, for a text the record cannot keep.
template <std::size_t N> bool TakeText(const QLineEdit& edit, TextItem<N>& item, QString& error)
{
    item.valid = 0;
    if (edit.text().isEmpty())
        return true;
    const std::optional<QByteArray> bytes = FieldBytes(edit, error);
    if (!bytes)
        return false;
    item.setText(*bytes);
    return true;
}

} // namespace norvane::ui
