#include "FontFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace norvane::ui {

QString SystemFontFolder()
{
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    const QString home = QDir::homePath() + u'/';
    QString usersOwn;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (folder.startsWith(home)) {
            if (usersOwn.isEmpty())
                usersOwn = folder;
        } else if (!dir.isEmpty()) {
            return folder;
        }
    }
    return usersOwn;
}

} // namespace norvane::ui
