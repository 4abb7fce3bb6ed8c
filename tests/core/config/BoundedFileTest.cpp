#include "config/BoundedFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace norvane;

namespace {

class BoundedFileTest : public ::testing::Test
{
protected:
    QString write(const QString& name, const QByteArray& contents)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    /// The message for reading `path` with `limit`, or "read N bytes".
    static std::string reading(const QString& path, qint64 limit)
    {
        QString error;
        const auto contents = ReadWholeFile(path, limit, error);
        return contents ? "read " + std::to_string(contents->size()) + " bytes" : error.toStdString();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(BoundedFileTest, aRegularFileIsReadWholeUpToItsLimit)
{
    const QByteArray bytes = QByteArray("\x00\xff", 2).repeated(1424);
    const QString path = write("printer.dcf", bytes);
    QString error;
    EXPECT_EQ(ReadWholeFile(path, 2848, error), bytes);
    EXPECT_EQ(reading(write("empty.json", {}), 10), "read 0 bytes");
    const QString link = m_dir.filePath("link.dcf");
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(reading(link, 2848), "read 2848 bytes");

    EXPECT_EQ(reading(path, 2847), "cannot read " + path.toStdString() + ": it is larger than 2847 bytes");
}

TEST_F(BoundedFileTest, aFileWhoseSizeSaysNothingIsStillReadWholeAndBounded)
{
    // /proc reports a size of 0 for files that hold text.
    QString error;
    const auto status = ReadWholeFile("/proc/self/status", 1024 * 1024, error);
    ASSERT_TRUE(status) << error.toStdString();
    EXPECT_TRUE(status->startsWith("Name:"));
    EXPECT_TRUE(status->contains("\nPid:"));
    EXPECT_EQ(reading("/proc/self/status", 10), "cannot read /proc/self/status: it is larger than 10 bytes");
}

TEST_F(BoundedFileTest, whatIsNoRegularFileIsRefusedWithoutWaitingForIt)
{
    EXPECT_EQ(reading("/dev/zero", kJsonConfigFileLimit), "cannot read /dev/zero: it is a device, not a regular file");
    const QString devNullLink = m_dir.filePath("null.json");
    ASSERT_TRUE(QFile::link("/dev/null", devNullLink));
    EXPECT_EQ(reading(devNullLink, 100),
              "cannot read " + devNullLink.toStdString() + ": it is a device, not a regular file");
    EXPECT_EQ(reading(m_dir.path(), 100), "cannot read " + m_dir.path().toStdString() + ": it is a directory");

    // No writer ever opens it: a plain open would wait for one for ever.
    const QString fifo = m_dir.filePath("pipe.dcf");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(reading(fifo, 2848), "cannot read " + fifo.toStdString() + ": it is a pipe (FIFO), not a regular file");

    const QString missing = m_dir.filePath("missing.json");
    EXPECT_EQ(reading(missing, 100), "cannot read " + missing.toStdString() + ": No such file or directory");
}

TEST_F(BoundedFileTest, theLimitsLeaveRoomForTheLargestConfigurationAndCertificate)
{
    // Every text at its widest, each byte escaped as \u00XX: the JSON form's worst case.
    EXPECT_GT(kJsonConfigFileLimit, 2826 * 6 + 10 * 1024);
    EXPECT_GE(kCertificateFileLimit, 16 * 1024);
}
