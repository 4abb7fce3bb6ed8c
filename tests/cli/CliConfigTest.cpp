#include "CliFixture.h"
#include "config/DcfFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <limits>
#include <sys/stat.h>

using namespace norvane;

class CliConfigTest : public CliFixture
{
protected:
    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    /// A .dcf file of `config`, written by the library itself.
    static void writeDcf(const QString& path, const PrinterConfig& config)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QString error;
        ASSERT_TRUE(WriteDcf(file, {config, LengthUnit::Inch, {}}, error));
    }
};

TEST_F(CliConfigTest, readConfigPrintsTheRecordAsJson)
{
    ASSERT_EQ(run({"read-config"}), 0) << qPrintable(err);
    const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(json["edition"].toInt(), 108);
    EXPECT_EQ(json["density"].toObject()["value"].toInt(), 8);
    EXPECT_TRUE(json["density"].toObject()["valid"].toBool());
    EXPECT_EQ(json["version"].toString(), "V2.03A NORVANE");
}

TEST_F(CliConfigTest, aDcfFileAndItsJsonConvertBothWays)
{
    ASSERT_EQ(run({"read-config", "--dcf", file("printer.dcf"), "--json", file("printer.json"), "--unit", "mm"}), 0);
    EXPECT_EQ(contentsOf(file("printer.dcf")).size(), 2848);
    EXPECT_EQ(QFile::permissions(file("printer.dcf")) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_EQ(contentsOf(file("printer.dcf")).mid(8, 4), QByteArray("\x01\0\0\0", 4)); // mm
    EXPECT_TRUE(out.isEmpty());

    ASSERT_EQ(run({"dcf", "to-json", file("printer.dcf")}), 0);
    EXPECT_EQ(out.toUtf8(), contentsOf(file("printer.json")));
    EXPECT_FALSE(QJsonDocument::fromJson(out.toUtf8()).object()["unitIsInch"].toInt());

    ASSERT_EQ(run({"dcf", "from-json", file("printer.json"), file("again.dcf")}), 0);
    EXPECT_EQ(contentsOf(file("again.dcf")), contentsOf(file("printer.dcf")));
    ASSERT_EQ(run({"dcf", "from-json", file("printer.json"), file("inch.dcf"), "--unit", "inch"}), 0);
    EXPECT_EQ(contentsOf(file("inch.dcf")).mid(8, 4), QByteArray(4, '\0'));
}

TEST_F(CliConfigTest, writeConfigSendsOnePageInTheRecordsUnit)
{
    ASSERT_EQ(run({"read-config", "--json", file("printer.json")}), 0);
    QJsonObject json = QJsonDocument::fromJson(contentsOf(file("printer.json"))).object();
    json["density"] = QJsonObject{{"valid", true}, {"value", 3}};
    json["paperWidth"] = QJsonObject{{"valid", true}, {"value", 406}};
    json["unitIsInch"] = 1;
    writeFile("changed.json", QJsonDocument(json).toJson());
    sim.printer.clearLogs();

    ASSERT_EQ(run({"write-config", "--page", "0", file("changed.json")}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) {
        return state.reports["DENSITY"] == "3" && state.received.contains("SIZE 2.00,2.00\r\n");
    }));
}

TEST_F(CliConfigTest, badInputFilesExitWith65AndSayWhy)
{
    EXPECT_EQ(run({"write-config", "--page", "0", file("missing.json")}), 65);
    EXPECT_TRUE(err.contains("missing.json"));

    writeFile("bad.json", R"({"density": {"valid": true, "value": "dark"}})");
    EXPECT_EQ(run({"write-config", "--page", "0", file("bad.json")}), 65);
    EXPECT_TRUE(err.contains("density")) << qPrintable(err);

    writeFile("bad.dcf", QByteArray(2848, 'x'));
    EXPECT_EQ(run({"dcf", "to-json", file("bad.dcf")}), 65);
    EXPECT_TRUE(err.contains("File Data Error"));

    writeFile("inject.json", R"({"wifiPresent": 1, "wifiSsid": {"valid": true, "value": "a\"\r\nINITIALPRINTER"}})");
    sim.printer.clearLogs();
    EXPECT_EQ(run({"write-config", "--page", "4", file("inject.json")}), 65);
    EXPECT_TRUE(err.contains("wifiSsid"));
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliConfigTest, anOutputFileThatCannotBeWrittenExitsWith73)
{
    EXPECT_EQ(run({"read-config", "--json", file("no/such/folder/out.json")}), 73);
}

TEST_F(CliConfigTest, aNonNumberOrAResolutionOfZeroInAFileIsRefusedBeforeAnythingIsSent)
{
    PrinterConfig config;
    config.unitIsInch = 1;
    config.paperWidth.set(std::numeric_limits<float>::quiet_NaN());
    config.paperHeight.set(406.0f);
    writeDcf(file("nan.dcf"), config);
    writeFile("dpi0.json", R"({"dpi": 0, "unitIsInch": 1, "paperWidth": {"valid": true, "value": 406},
                               "paperHeight": {"valid": true, "value": 406}})");
    sim.printer.clearLogs();

    EXPECT_EQ(run({"write-config", "--page", "0", file("nan.dcf")}), 65);
    EXPECT_TRUE(err.contains(file("nan.dcf") + ": File Data Error")) << qPrintable(err);
    EXPECT_EQ(run({"write-config", "--page", "0", file("dpi0.json")}), 65);
    EXPECT_TRUE(err.contains("field 'dpi'")) << qPrintable(err);
    EXPECT_EQ(run({"dcf", "from-json", file("dpi0.json"), file("out.dcf")}), 65);
    EXPECT_FALSE(QFile::exists(file("out.dcf")));
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliConfigTest, aShortOrLongDcfFileIsReadOnlyAsFarAsItHolds)
{
    ASSERT_EQ(run({"read-config", "--dcf", file("printer.dcf")}), 0);
    const QByteArray image = contentsOf(file("printer.dcf"));
    writeFile("magic.dcf", image.first(4));
    EXPECT_EQ(run({"dcf", "to-json", file("magic.dcf")}), 65);
    EXPECT_TRUE(err.contains("File Data Error")) << qPrintable(err);

    writeFile("long.dcf", image + "trailing");
    EXPECT_EQ(run({"dcf", "to-json", file("long.dcf")}), 65);
    EXPECT_TRUE(err.contains(file("long.dcf") + ": a .dcf file holds 2848 bytes; this one holds 2856"))
        << qPrintable(err);
}

TEST_F(CliConfigTest, inputThatIsNoRegularFileOrTooLargeIsRefusedNamingThePath)
{
    EXPECT_EQ(run({"dcf", "to-json", "/dev/zero"}), 65);
    EXPECT_TRUE(err.contains("cannot read /dev/zero: it is a device, not a regular file")) << qPrintable(err);
    EXPECT_EQ(run({"dcf", "to-json", dir.path()}), 65);
    EXPECT_TRUE(err.contains(dir.path() + ": it is a directory")) << qPrintable(err);

    // Nobody writes to it: reading must not wait for a writer.
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe")).constData(), 0600), 0);
    EXPECT_EQ(run({"write-config", "--page", "0", file("pipe")}), 65);
    EXPECT_TRUE(err.contains(file("pipe") + ": it is a pipe (FIFO), not a regular file")) << qPrintable(err);

    writeFile("huge.json", "{" + QByteArray(300 * 1024, ' ') + "}");
    EXPECT_EQ(run({"dcf", "from-json", file("huge.json"), file("out.dcf")}), 65);
    EXPECT_TRUE(err.contains(file("huge.json") + ": it is larger than 262144 bytes")) << qPrintable(err);
}

TEST_F(CliConfigTest, aJsonFileSaysWhatItHoldsAndMayStartWithAUtf8ByteOrderMark)
{
    writeFile("array.json", R"([{"density": {"valid": true, "value": 7}}])");
    EXPECT_EQ(run({"dcf", "from-json", file("array.json"), file("out.dcf")}), 65);
    EXPECT_TRUE(err.contains(file("array.json") + ": the file holds a JSON array, not a configuration object"))
        << qPrintable(err);

    writeFile("wide.json", QByteArray("\xFF\xFE{\0}\0", 6));
    EXPECT_EQ(run({"dcf", "from-json", file("wide.json"), file("out.dcf")}), 65);
    EXPECT_TRUE(err.contains("UTF-16 (little-endian) byte order mark")) << qPrintable(err);

    writeFile("bom.json", "\xEF\xBB\xBF{\"density\": {\"valid\": true, \"value\": 7}}");
    ASSERT_EQ(run({"dcf", "from-json", file("bom.json"), file("out.dcf")}), 0) << qPrintable(err);
    ASSERT_EQ(run({"dcf", "to-json", file("out.dcf")}), 0) << qPrintable(err);
    EXPECT_EQ(QJsonDocument::fromJson(out.toUtf8()).object()["density"].toObject()["value"].toInt(), 7);
}
