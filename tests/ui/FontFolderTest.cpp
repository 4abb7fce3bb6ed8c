#include "FontFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;

namespace {

/// Sets an environment variable for the life of the object, and puts the old value back.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const QString& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable() { m_wasSet ? void(qputenv(m_name, m_old)) : void(qunsetenv(m_name)); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

/// The fontconfig folders come from the data directories, the user's own under the home directory.
TEST(FontFolderTest, theFirstSystemFolderThatHoldsFontsComesBeforeTheUsersOwnElseTheWorkingDirectory)
{
    QTemporaryDir root;
    const ScopedVariable home("HOME", root.filePath(QStringLiteral("home")));
    const ScopedVariable dataHome("XDG_DATA_HOME", root.filePath(QStringLiteral("home/.local/share")));
    const ScopedVariable dataDirs("XDG_DATA_DIRS",
                                  root.filePath(QStringLiteral("local")) + u':' + root.filePath("usr"));
    const auto folder = [&](const char* path) {
        EXPECT_TRUE(QDir().mkpath(root.filePath(QLatin1StringView(path))));
        return root.filePath(QLatin1StringView(path));
    };
    const auto putFont = [](const QString& folder) {
        EXPECT_TRUE(QFile(folder + QStringLiteral("/DejaVuSans.ttf")).open(QIODevice::WriteOnly));
    };

    folder("local/fonts");
    const QString system = folder("usr/fonts");
    EXPECT_EQ(ui::SystemFontFolder(), QString());
    const QString own = folder("home/.local/share/fonts");
    EXPECT_EQ(ui::SystemFontFolder(), own);
    putFont(own);
    putFont(system);
    EXPECT_EQ(ui::SystemFontFolder(), system);
}
