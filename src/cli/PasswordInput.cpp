#include "PasswordInput.h"

namespace norvane::cli {

std::optional<QString> ReadPasswordLine(QIODevice* device, QString& error)
{
    // Room for the longest line and its CR LF: a longer line still has more than the limit once its
    // line end is taken off.
    QByteArray line = device ? device->readLine(kMaxPasswordLine + 2) : QByteArray();
    if (line.isEmpty()) {
        error = QStringLiteral("no password line to read");
        return std::nullopt;
    }
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > kMaxPasswordLine) {
        error = QStringLiteral("the password line is longer than %1 bytes").arg(kMaxPasswordLine);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(line);
}

} // namespace norvane::cli
