#pragma once

#include <QString>
#include <ostream>

/// Lets GoogleTest print texts in failure messages instead of their addresses.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
