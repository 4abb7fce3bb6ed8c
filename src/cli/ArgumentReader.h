#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace norvane::cli {

/// A command's own arguments: options that take a value, and the positional arguments around them.
struct CommandArguments
{
    QMap<QString, QString> options;
    QStringList positional;
    QString error; ///< a usage error, or empty
};

/// Splits `arguments`; every "--name" must be one of `valueOptions` and is followed by its value.
CommandArguments ReadArguments(const QStringList& arguments, const QStringList& valueOptions);

} // namespace norvane::cli
