#include "config/DcfFile.h"
#include "SampleConfig.h"
#include "config/Aes128Ecb.h"
#include "config/ConfigLayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace norvane;
using namespace norvane::test;

namespace {

DcfContents sampleContents()
{
    DcfContents contents;
    contents.config = SampleConfig();
    contents.unit = LengthUnit::Mm;
    contents.status.flags = {0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    return contents;
}

QByteArray dcfBytes(const DcfContents& contents)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(WriteDcf(buffer, contents, error)) << error.toStdString();
    return buffer.data();
}

std::optional<DcfContents> readDcfBytes(const QByteArray& bytes, QString& error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    DcfContents contents;
    if (!ReadDcf(buffer, contents, error))
        return std::nullopt;
    return contents;
}

/// The message for reading a .dcf image of the sample record changed by `change`, or "accepted".
std::string readingAfter(const std::function<void(PrinterConfig&)>& change)
{
    DcfContents contents = sampleContents();
    change(contents.config);
    QString error;
    return readDcfBytes(dcfBytes(contents), error) ? "accepted" : error.toStdString();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

/// Limits the size of files this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit m_previous{};
};

} // namespace

TEST(Aes128EcbTest, matchesTheFips197Vector)
{
    const Aes128Key key = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                           0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f};
    const QByteArray plain = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    const QByteArray cipher = QByteArray::fromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
    EXPECT_EQ(Aes128EcbEncrypt(key, plain), cipher);
    EXPECT_EQ(Aes128EcbDecrypt(key, cipher), plain);
    // ECB: equal blocks encipher equally, and nothing is padded.
    EXPECT_EQ(Aes128EcbEncrypt(key, plain + plain), cipher + cipher);
    EXPECT_FALSE(Aes128EcbEncrypt(key, plain.first(15)));
}

TEST(DcfFileTest, writesTheImageAnIndependentCipherComputed)
{
    const QByteArray golden = TestDataFile("sample-config.dcf");
    ASSERT_EQ(golden.size(), 2848);
    EXPECT_EQ(ConfigToBytes(SampleConfig()).toHex(), TestDataFile("sample-config.record").toHex());
    EXPECT_EQ(dcfBytes(sampleContents()).toHex(), golden.toHex());
}

TEST(DcfFileTest, readsTheGoldenImageBack)
{
    QString error;
    const auto contents = readDcfBytes(TestDataFile("sample-config.dcf"), error);
    ASSERT_TRUE(contents) << error.toStdString();
    EXPECT_EQ(contents->config, SampleConfig());
    EXPECT_EQ(contents->unit, LengthUnit::Mm);
    EXPECT_EQ(contents->status.flags, sampleContents().status.flags);
}

TEST(DcfFileTest, onlyTheFirst2816RecordBytesAreEnciphered)
{
    const QByteArray record = ConfigToBytes(SampleConfig());
    const QByteArray image = dcfBytes(sampleContents());
    EXPECT_EQ(image.first(12).toHex(), "aa5500000100000001000000");
    EXPECT_NE(image.sliced(12, 16), record.first(16));
    EXPECT_EQ(image.sliced(2828, 10), record.sliced(2816, 10));
    EXPECT_EQ(image.sliced(2838).toHex(), "00000100000000000001");
}

TEST(DcfFileTest, aWrongMagicIsAFileDataError)
{
    QByteArray image = TestDataFile("sample-config.dcf");
    ASSERT_EQ(image.size(), 2848);
    image[0] = '\xab';
    QString error;
    EXPECT_FALSE(readDcfBytes(image, error));
    EXPECT_EQ(error, "File Data Error");
    EXPECT_FALSE(readDcfBytes(QByteArray(), error));
    EXPECT_EQ(error, "File Data Error");
}

TEST(DcfFileTest, aShortFileReadsItsMissingBytesAsZeroAndTheVersionIsNotChecked)
{
    QByteArray image = TestDataFile("sample-config.dcf");
    ASSERT_EQ(image.size(), 2848);
    image.truncate(2828);
    image[4] = '\x07';
    QString error;
    const auto contents = readDcfBytes(image, error);
    ASSERT_TRUE(contents) << error.toStdString();

    QByteArray expected = ConfigToBytes(SampleConfig());
    expected.replace(2816, 10, QByteArray(10, '\0'));
    EXPECT_EQ(ConfigToBytes(contents->config).toHex(), expected.toHex());
    EXPECT_EQ(contents->status.flags, StatusFlags{}.flags);
}

TEST(DcfFileTest, savingCreatesAFileOnlyItsOwnerMayRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("printer.dcf");
    writeFile(path, "old");
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0644), 0);

    QString error;
    ASSERT_TRUE(SaveDcfFile(path, sampleContents(), error)) << error.toStdString();
    EXPECT_EQ(readFile(path), TestDataFile("sample-config.dcf"));
    struct stat info = {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(DcfFileTest, aSaveThatCannotCompleteLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("printer.dcf");
    writeFile(path, "the configuration saved last week");

    QString error;
    bool saved = true;
    {
        const FileSizeLimit diskFullAfter(1024);
        saved = SaveDcfFile(path, sampleContents(), error);
    }
    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
    EXPECT_EQ(readFile(path), "the configuration saved last week");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"printer.dcf"});

    EXPECT_FALSE(SaveDcfFile(dir.filePath("no/such/folder.dcf"), sampleContents(), error));
    EXPECT_TRUE(error.contains("no/such/folder.dcf")) << error.toStdString();
}

TEST(DcfFileTest, aFloatThatIsNoNumberOrAResolutionNoLengthCanBeDividedByIsAFileDataError)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.paperWidth.value = nan; }), "File Data Error");
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.speed.value = inf; }), "File Data Error");
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.dPrintSpeed.value = -inf; }), "File Data Error");
    // Not sent while its flag is clear, but no file of ours holds it.
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.gapOffset = {0, nan}; }), "File Data Error");
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.dpi = nan; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpi = 0.0f; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpi = 0.4f; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpi = -203.0f; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpi = std::numeric_limits<float>::denorm_min(); }),
              "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dotsPerMm = 0.0f; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dotsPerMm = 0.04f; }), "File Data Error");
    EXPECT_EQ(readingAfter([&](PrinterConfig& c) { c.dotsPerMm = inf; }), "File Data Error");

    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpi = 0.5f; }), "accepted");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dotsPerMm = 0.05f; }), "accepted");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.paperWidth.value = -std::numeric_limits<float>::max(); }),
              "accepted");
}

TEST(DcfFileTest, aValidFlagOrPresenceByteOtherThanZeroOrOneIsAFileDataError)
{
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.density.valid = 2; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.zDelimiter.valid = 0x80; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.ftpPassword.valid = 0xff; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.dpiValid = 2; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.unitIsInch = 2; }), "File Data Error");
    EXPECT_EQ(readingAfter([](PrinterConfig& c) { c.extWifiPresent = 3; }), "File Data Error");
    // Texts, counters and the reserved bytes hold anything.
    EXPECT_EQ(readingAfter([](PrinterConfig& c) {
                  c.cutCounter = -1;
                  c.reservedBeforeFtp.fill(0xff);
                  c.serialNumber.bytes.fill('\xff');
              }),
              "accepted");
}

TEST(DcfFileTest, aRecordEncipheredUnderAnotherKeyOrRandomBytesBehindTheMagicAreAFileDataError)
{
    const QByteArray golden = TestDataFile("sample-config.dcf");
    ASSERT_EQ(golden.size(), 2848);
    const Aes128Key otherKey = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    QByteArray foreign = golden;
    foreign.replace(12, 2816, *Aes128EcbEncrypt(otherKey, ConfigToBytes(SampleConfig()).first(2816)));
    QString error;
    EXPECT_FALSE(readDcfBytes(foreign, error));
    EXPECT_EQ(error, "File Data Error");

    QRandomGenerator random(2848);
    for (int file = 0; file < 20; ++file) {
        QByteArray noise = golden.first(4);
        while (noise.size() < 2848)
            noise.append(static_cast<char>(random.bounded(256)));
        EXPECT_FALSE(readDcfBytes(noise, error)) << file;
    }
}

TEST(DcfFileTest, aShortFileDeciphersOnlyItsWholeBlocksAndLacksTheRest)
{
    const QByteArray golden = TestDataFile("sample-config.dcf");
    ASSERT_EQ(golden.size(), 2848);
    // 50 whole blocks and 7 bytes of the next one.
    QString error;
    const auto contents = readDcfBytes(golden.first(12 + 50 * 16 + 7), error);
    ASSERT_TRUE(contents) << error.toStdString();
    QByteArray expected = ConfigToBytes(SampleConfig());
    expected.replace(800, 2026, QByteArray(2026, '\0'));
    EXPECT_EQ(ConfigToBytes(contents->config).toHex(), expected.toHex());
    EXPECT_EQ(contents->config.btName.text(), "Norvane BT");
    EXPECT_FALSE(contents->config.wifiSsid.isSet());
    EXPECT_EQ(contents->status.flags, StatusFlags{}.flags);

    // The first block holds the resolution; without it no length could be converted.
    EXPECT_TRUE(readDcfBytes(golden.first(12 + 16), error));
    EXPECT_FALSE(readDcfBytes(golden.first(12 + 15), error));
    EXPECT_EQ(error, "File Data Error");
    EXPECT_FALSE(readDcfBytes(golden.first(4), error));
    EXPECT_EQ(error, "File Data Error");
}

TEST(DcfFileTest, anImageLongerThanAFileIsAFileDataErrorWhileADeviceIsReadOnlyThatFar)
{
    const QByteArray longer = TestDataFile("sample-config.dcf") + "trailing";
    DcfContents contents;
    QString error;
    EXPECT_FALSE(ReadDcf(QByteArrayView(longer), contents, error));
    EXPECT_EQ(error, "File Data Error");
    const auto fromDevice = readDcfBytes(longer, error);
    ASSERT_TRUE(fromDevice) << error.toStdString();
    EXPECT_EQ(fromDevice->config, SampleConfig());
}
