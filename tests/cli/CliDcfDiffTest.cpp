#include "CliFixture.h"
#include "config/ConfigJson.h"
#include "config/DcfFile.h"

using namespace norvane;

class CliDcfDiffTest : public CliFixture
{
protected:
    CliDcfDiffTest()
    {
        ClearConfig(config);
        config.density.set(8);
        config.wifiSsid.setText("Office");
    }

    QString writeDcf(const QString& name, const PrinterConfig& written)
    {
        QFile file(this->file(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QString error;
        EXPECT_TRUE(WriteDcf(file, {written, LengthUnit::Inch, {}}, error)) << qPrintable(error);
        return file.fileName();
    }

    PrinterConfig config;
};

TEST_F(CliDcfDiffTest, twoFieldsThatDifferAreListedWithBothValuesAndExitOne)
{
    const QString first = writeDcf("first.dcf", config);
    PrinterConfig changed = config;
    changed.density.set(12);
    // A printer's text may carry a quote and a terminal escape; neither may reach the terminal raw.
    changed.wifiSsid.setText("Lab\"\x1b[2J");
    const QString second = writeFile("second.json", ConfigToJsonText(changed));

    EXPECT_EQ(run({"dcf", "diff", first, second}, false), 1) << qPrintable(err);
    EXPECT_EQ(out, "density: 8 -> 12\n"
                   "wifiSsid: \"Office\" -> \"Lab\\x22\\x1b[2J\"\n");
    EXPECT_TRUE(err.isEmpty()) << qPrintable(err);

    // Swapping the files swaps the sides.
    EXPECT_EQ(run({"dcf", "diff", second, first}, false), 1);
    EXPECT_TRUE(out.startsWith("density: 12 -> 8\n")) << qPrintable(out);
}

TEST_F(CliDcfDiffTest, aFileAndItsJsonFormAreEqual)
{
    const QString dcf = writeDcf("printer.dcf", config);
    ASSERT_EQ(run({"dcf", "to-json", dcf, file("printer.json")}, false), 0) << qPrintable(err);
    EXPECT_EQ(run({"dcf", "diff", dcf, file("printer.json")}, false), 0) << qPrintable(out);
    EXPECT_TRUE(out.isEmpty()) << qPrintable(out);

    PrinterConfig cleared = config;
    cleared.density.valid = 0;
    EXPECT_EQ(run({"dcf", "diff", dcf, writeDcf("cleared.dcf", cleared)}, false), 1);
    EXPECT_EQ(out, "density: 8 -> (not set)\n");
}

TEST_F(CliDcfDiffTest, unreadableFilesAndWrongArgumentsAreNotReportedAsEqual)
{
    const QString dcf = writeDcf("printer.dcf", config);
    EXPECT_EQ(run({"dcf", "diff", dcf, file("missing.dcf")}, false), 65);
    EXPECT_TRUE(err.contains(file("missing.dcf"))) << qPrintable(err);
    EXPECT_EQ(run({"dcf", "diff", writeFile("broken.json", "{\"density\": 3}"), dcf}, false), 65);
    EXPECT_TRUE(err.contains("density")) << qPrintable(err);
    EXPECT_TRUE(out.isEmpty());

    EXPECT_EQ(run({"dcf", "diff", dcf}, false), 64);
    EXPECT_EQ(run({"dcf", "diff", dcf, dcf, dcf}, false), 64);
    EXPECT_EQ(run({"dcf", "diff", dcf, dcf, "--unit", "mm"}, false), 64);
}
