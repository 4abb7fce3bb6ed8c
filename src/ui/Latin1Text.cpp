#include "Latin1Text.h"

#include <algorithm>

namespace norvane::ui {

bool IsLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
}

QString NotLatin1Message(const QString& caption)
{
    return QStringLiteral("\"%1\" may hold Latin-1 characters only.").arg(caption);
}

} // namespace norvane::ui
