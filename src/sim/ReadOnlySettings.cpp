#include "ReadOnlySettings.h"

#include "PrinterState.h"

#include <QStringList>

namespace norvane::sim {

KeptReports TakeReadOnlyReports(const PrinterState& state)
{
    KeptReports kept;
    for (const QByteArray& key : state.readOnlyReports) {
        const auto found = state.reports.constFind(key);
        kept.insert(key, found != state.reports.constEnd() ? std::optional(*found) : std::nullopt);
    }
    return kept;
}

void RestoreReadOnlyReports(PrinterState& state, const KeptReports& kept)
{
    QList<QByteArray> restored;
    for (auto it = kept.constBegin(); it != kept.constEnd(); ++it) {
        const auto found = state.reports.constFind(it.key());
        const std::optional<QByteArray> now = found != state.reports.constEnd() ? std::optional(*found) : std::nullopt;
        if (now == it.value())
            continue;
        if (it.value())
            state.reports.insert(it.key(), *it.value());
        else
            state.reports.remove(it.key());
        restored.append(it.key());
    }
    if (!restored.isEmpty() && !state.commands.isEmpty())
        state.remark("read-only: " + restored.join(' '));
}

bool SetReadOnlySettings(const QString& list, PrinterState& state, QString& error)
{
    QSet<QByteArray> keys;
    for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
        const QByteArray key = name.trimmed().toLatin1();
        if (!state.reports.contains(key)) {
            error = QStringLiteral("the printer reports no setting named %1").arg(name.trimmed());
            return false;
        }
        keys.insert(key);
    }
    if (keys.isEmpty()) {
        error = QStringLiteral("name at least one setting");
        return false;
    }
    state.readOnlyReports = keys;
    return true;
}

} // namespace norvane::sim
