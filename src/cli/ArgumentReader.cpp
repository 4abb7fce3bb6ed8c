#include "ArgumentReader.h"

namespace norvane::cli {

CommandArguments ReadArguments(const QStringList& arguments, const QStringList& valueOptions)
{
    CommandArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--"))) {
            result.positional << argument;
        } else if (!valueOptions.contains(argument)) {
            result.error = QStringLiteral("unknown option %1").arg(argument);
        } else if (i + 1 == arguments.size()) {
            result.error = QStringLiteral("%1 needs a value").arg(argument);
        } else {
            result.options[argument] = arguments[++i];
        }
        if (!result.error.isEmpty())
            break;
    }
    return result;
}

} // namespace norvane::cli
