#include "ItemText.h"

#include "FormControls.h"
#include "Latin1Text.h"

#include <QLineEdit>
#include <algorithm>

namespace norvane::ui {

void ShowWhole(QLineEdit& edit, int typedLimit, const QString& text)
{
    edit.setMaxLength(std::max(typedLimit, static_cast<int>(text.size())));
    edit.setText(text);
}

std::optional<QByteArray> FieldBytes(const QLineEdit& edit, QString& error)
{
    const QString text = edit.text();
    if (!IsLatin1(text)) {
        error = NotLatin1Message(CaptionText(edit));
        return std::nullopt;
    }
    return text.toLatin1();
}

} // namespace norvane::ui
