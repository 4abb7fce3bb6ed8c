#include "CliFixture.h"
#include "TestFonts.h"
#include "files/DownloadRequest.h"
#include "fonts/CodeSets.h"

#include <QImage>

using namespace norvane;
using namespace norvane::test;

class CliFontTest : public CliFixture
{
protected:
    QStringList dejaVu() const { return {"--font-file", QString::fromLatin1(kDejaVuSansFile)}; }

    QList<sim::StoredFile> flashFilesOnceThereAre(qsizetype count)
    {
        sim.waitFor([&](const sim::PrinterState& state) { return state.memories.flash.files.size() == count; });
        return sim.printer.snapshot().memories.flash.files;
    }
};

TEST_F(CliFontTest, makeWritesTheFontAndShowDrawsIt)
{
    const QString font = file("font.bmf");
    ASSERT_EQ(run(QStringList{"font", "make", font} + dejaVu() +
                      QStringList{"--pixels", "20", "--pitch", "fixed", "--width", "16", "--height", "24"},
                  false),
              0)
        << qPrintable(err);
    const QByteArray bytes = FileBytes(font);
    ASSERT_EQ(bytes.size(), 4640);
    EXPECT_EQ(bytes.sliced(9, 4), QByteArray("\x20\0\x7F\0", 4));
    const BitmapFontFile made = ReadBack(font);
    EXPECT_GT(made.glyphOf({'A', 0, false})->inkCount(), 0);

    // Defaults: variable pitch, the cell measured on "W" at 13 pixels, an italic width for an italic style.
    ASSERT_EQ(run({"font", "make", file("default.bmf"), "--family", "DejaVu Sans", "--style", "italic"}, false), 0)
        << qPrintable(err);
    const BitmapFontFile defaults = ReadBack(file("default.bmf"));
    EXPECT_TRUE(defaults.variablePitch);
    EXPECT_EQ(defaults.glyphs.size(), 96);
    EXPECT_GT(defaults.cellWidth, 8);
    EXPECT_EQ(defaults.italicWidth, defaults.cellWidth * 3 / 10);

    ASSERT_EQ(run({"font", "show", font, "-o", file("font.png")}, false), 0) << qPrintable(err);
    EXPECT_EQ(out, QStringLiteral("96 glyphs drawn into %1\n").arg(file("font.png")));
    const QImage sheet(file("font.png"));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_GT(sheet.width(), 16 * 16);

    EXPECT_EQ(run({"font", "show", writeFile("not.bmf", "hello"), "-o", file("not.png")}, false), 65);
    EXPECT_FALSE(QFile::exists(file("not.png")));
}

TEST_F(CliFontTest, brokenParametersAndFailedMakesLeaveNothing)
{
    const QString font = file("font.bmf");
    EXPECT_EQ(run(QStringList{"font", "make", font, "--first", "300"} + dejaVu(), false), 64);
    EXPECT_TRUE(err.startsWith("Font Parameter Error\nusage:")) << qPrintable(err);
    EXPECT_EQ(run(QStringList{"font", "make", font, "--first", "abc"} + dejaVu(), false), 64);
    EXPECT_TRUE(err.startsWith("'abc' is not a valid integer value\n")) << qPrintable(err);
    EXPECT_EQ(run(QStringList{"font", "make", font, "--width", "2048", "--height", "300"} + dejaVu(), false), 64);
    EXPECT_EQ(
        run(QStringList{"font", "make", font, "--encoding", "table", "--table", writeFile("t", "\r\n")} + dejaVu(),
            false),
        64);
    EXPECT_TRUE(err.startsWith("Font Parameter Error\nusage:")) << qPrintable(err);
    EXPECT_EQ(run({"font", "make", font, "--family", "No Such Family Anywhere"}, false), 64);
    EXPECT_EQ(run({"font", "make", font}, false), 64);
    EXPECT_FALSE(QFile::exists(font));

    EXPECT_EQ(run(QStringList{"font", "make", font, "--first", "200", "--last", "100"} + dejaVu(), false), 73);
    EXPECT_EQ(err, "Make Font Error\n");
    EXPECT_EQ(run(QStringList{"font", "make", file("missing/font.bmf")} + dejaVu(), false), 73);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"t"});
}

TEST_F(CliFontTest, tablesGiveTheirCodesAndTheAsianGridItsLetter)
{
    const QString font = file("table.bmf");
    ASSERT_EQ(run(QStringList{"font", "make", font, "--encoding", "table", "--table", writeFile("t", "ABC\r\nDEF")} +
                      dejaVu(),
                  false),
              0)
        << qPrintable(err);
    QByteArray codes;
    for (const FontGlyph& glyph : ReadBack(font).glyphs)
        codes.append(static_cast<char>(glyph.code.lead));
    EXPECT_EQ(codes, "ABCDEF");

    ASSERT_EQ(run({"font", "make", file("gb.bmf"), "--font-file", QString::fromLatin1(kMicroHeiFile), "--encoding",
                   "asian", "--asian", "gb", "--pitch", "variable"},
                  false),
              0)
        << qPrintable(err);
    const BitmapFontFile grid = ReadBack(file("gb.bmf"));
    EXPECT_EQ(grid.asianLetter, 'G');
    EXPECT_FALSE(grid.variablePitch);
    EXPECT_EQ(grid.glyphs.size(), 96 + 126 * 191);
    EXPECT_EQ(grid.cellWidth, 13);
}

TEST_F(CliFontTest, downloadSendsTheMadeFontUnderItsNameAndLeavesNoFileBehind)
{
    const QString temp = qEnvironmentVariable("TMPDIR");
    qputenv("TMPDIR", dir.path().toLocal8Bit());
    sim.printer.clearLogs();
    const int status =
        run(QStringList{"font", "download", "--pitch", "fixed", "--width", "16", "--height", "24"} + dejaVu());
    qputenv("TMPDIR", temp.toLocal8Bit());
    ASSERT_EQ(status, 0) << qPrintable(err);
    const QList<sim::StoredFile> files = flashFilesOnceThereAre(1);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].name, "FONT001");
    ASSERT_EQ(files[0].bytes.size(), 4640);
    EXPECT_EQ(files[0].bytes.first(1), "B");
    EXPECT_TRUE(sim.printer.received().startsWith(passwordRead() + "DOWNLOAD F,\"FONT001\",4640,"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    // The printer keeps the font as any file and lists it.
    ASSERT_EQ(run({"files", "list"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.contains("\n  FONT001\n")) << qPrintable(out);

    ASSERT_EQ(run(QStringList{"font", "download", "--name", "SMALL.BMF", "--memory", "dram"} + dejaVu()), 0)
        << qPrintable(err);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.dram.files.size() == 1; }));
    EXPECT_EQ(sim.printer.snapshot().memories.dram.files[0].name, "SMALL.BMF");

    sim.printer.clearLogs();
    EXPECT_EQ(run(QStringList{"font", "download", "--name", QString(31, u'N')} + dejaVu()), 64);
    EXPECT_TRUE(err.startsWith("File name too long\n")) << qPrintable(err);
    EXPECT_EQ(run(QStringList{"font", "download", "--first", "300"} + dejaVu()), 64);
    EXPECT_TRUE(sim.printer.received().isEmpty());
}
