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
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

/// The fontconfig folders come from the data directories, the user's own under the home directory.
class FontFolderTest : public ::testing::Test
{
protected:
    QString folder(const QString& path)
    {
        const QString full = root.filePath(path);
        EXPECT_TRUE(QDir().mkpath(full));
        return full;
    }

    void putFont(const QString& folder)
    {
        QFile font(folder + QStringLiteral("/DejaVuSans.ttf"));
        ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    }

    QTemporaryDir root;
    ScopedVariable home{"HOME", QFile::encodeName(root.filePath(QStringLiteral("home")))};
    ScopedVariable dataHome{"XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("home/.local/share")))};
    ScopedVariable dataDirs{"XDG_DATA_DIRS",
                            QFile::encodeName(root.filePath(QStringLiteral("local")) + u':' + root.filePath("usr"))};
};

TEST_F(FontFolderTest, theFirstSystemFolderThatHoldsFontsComesBeforeTheUsersOwn)
{
    putFont(folder(QStringLiteral("home/.local/share/fonts")));
    folder(QStringLiteral("local/fonts"));
    const QString system = folder(QStringLiteral("usr/fonts"));
    putFont(system);
    EXPECT_EQ(ui::SystemFontFolder(), system);
}

TEST_F(FontFolderTest, withoutFontsInASystemFolderItIsTheUsersOwnElseTheWorkingDirectory)
{
    folder(QStringLiteral("usr/fonts"));
    EXPECT_EQ(ui::SystemFontFolder(), QString());
    const QString own = folder(QStringLiteral("home/.local/share/fonts"));
    EXPECT_EQ(ui::SystemFontFolder(), own);
}
