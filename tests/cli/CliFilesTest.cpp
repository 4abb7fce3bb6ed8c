#include "CliFixture.h"
#include "files/DownloadRequest.h"

using namespace norvane;

class CliFilesTest : public CliFixture
{
protected:
    /// Waits until the printer holds `count` files in FLASH and gives them.
    QList<sim::StoredFile> flashFilesOnceThereAre(qsizetype count)
    {
        sim.waitFor([&](const sim::PrinterState& state) { return state.memories.flash.files.size() == count; });
        return sim.printer.snapshot().memories.flash.files;
    }

    QByteArray receivedOnceItHas(qsizetype count)
    {
        sim.waitFor([&](const sim::PrinterState& state) { return state.received.size() >= count; });
        return sim.printer.received();
    }
};

TEST_F(CliFilesTest, aDownloadedFileIsListedWithLessFreeSpaceUntilItsMemoryIsFormatted)
{
    const QByteArray logo(3000, 'L');
    ASSERT_EQ(run({"files", "download", writeFile("LongFileName.bmp", logo)}), 0) << qPrintable(err);
    EXPECT_TRUE(out.isEmpty());
    const QList<sim::StoredFile> files = flashFilesOnceThereAre(1);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].name, "LongFile.BMP");
    EXPECT_EQ(files[0].bytes, logo);

    ASSERT_EQ(run({"files", "list"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "DRAM 8192 8192\nFLASH 32768 32765\n  LongFile.BMP\nCARD 131072 -\n");
    ASSERT_EQ(run({"files", "list", "--json"}), 0) << qPrintable(err);
    EXPECT_EQ(out, R"({"DRAM": {"physical": 8192, "free": 8192, "files": []}, )"
                   R"("FLASH": {"physical": 32768, "free": 32765, "files": ["LongFile.BMP"]}, )"
                   R"("CARD": {"physical": 131072, "free": null, "files": []}})"
                   "\n");

    ASSERT_EQ(run({"files", "format", "--memory", "flash"}), 0) << qPrintable(err);
    EXPECT_TRUE(flashFilesOnceThereAre(0).isEmpty());
    ASSERT_EQ(run({"files", "list"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "DRAM 8192 8192\nFLASH 32768 32768\nCARD 131072 -\n");
}

TEST_F(CliFilesTest, theTypeNameAndMemoryFollowTheFileUnlessGiven)
{
    const QString text = writeFile("abc.txt", "hello");
    ASSERT_EQ(run({"files", "download", text, "--memory", "dram"}), 0) << qPrintable(err);
    ASSERT_EQ(run({"files", "download", writeFile("program.BAS", "PRINT"), "--memory", "card", "--name", "AUTO.BAS"}),
              0)
        << qPrintable(err);
    ASSERT_EQ(run({"files", "download", text, "--type", "pcx"}), 0) << qPrintable(err);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) {
        return state.memories.dram.files.size() == 1 && state.memories.card.files.size() == 1 &&
               state.memories.flash.files.size() == 1;
    }));
    const sim::MemoryState memories = sim.printer.snapshot().memories;
    EXPECT_EQ(memories.dram.files[0].name, "abc");
    EXPECT_EQ(memories.card.files[0].name, "AUTO.BAS");
    EXPECT_EQ(memories.card.files[0].bytes, "PRINT");
    EXPECT_EQ(memories.flash.files[0].name, "abc.PCX");

    // Firmware and TCF images go as they are, and the printer takes a while to load them.
    sim.printer.clearLogs();
    const QByteArray image("\x00\x01\x02firmware\xff", 12);
    ASSERT_EQ(run({"files", "download", writeFile("printer.new", image)}), 0) << qPrintable(err);
    EXPECT_EQ(out, "Please wait for the LED to change to Green.\n");
    ASSERT_EQ(run({"files", "download", writeFile("setup.bin", image), "--type", "tcf"}), 0) << qPrintable(err);
    EXPECT_EQ(receivedOnceItHas(2 * passwordRead().size() + 2 * image.size()),
              passwordRead() + image + passwordRead() + image);
}

TEST_F(CliFilesTest, aRefusedDownloadSendsNothing)
{
    const QString path = writeFile("logo.bmp", "BM");
    sim.printer.clearLogs();
    EXPECT_EQ(run({"files", "download", path, "--name", QString(31, u'N')}), 64);
    EXPECT_TRUE(err.startsWith("File name too long\n")) << qPrintable(err);
    EXPECT_EQ(run({"files", "download", path, "--name", "A\"B"}), 64);
    EXPECT_EQ(run({"files", "download", path, "--name", ""}), 64);
    EXPECT_EQ(run({"files", "download", path, "--memory", "disk"}), 64);
    EXPECT_EQ(run({"files", "download", path, "--type", "gif"}), 64);
    EXPECT_EQ(run({"files", "download", writeFile("a.new", "x"), "--memory", "dram"}), 64);
    EXPECT_EQ(run({"files", "download", path, "--json"}), 64);
    EXPECT_EQ(run({"files", "list", "--memory", "dram"}), 64);
    EXPECT_EQ(run({"files", "format"}), 64);
    EXPECT_EQ(run({"files", "download", dir.path()}), 65);
    EXPECT_TRUE(err.contains("directory")) << qPrintable(err);
    EXPECT_EQ(run({"files", "download", file("missing.bmp")}), 65);
    QFile huge(file("huge.bmp"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kDownloadFileLimit + 1));
    EXPECT_EQ(run({"files", "download", huge.fileName()}), 65);
    EXPECT_EQ(run({"send", huge.fileName()}), 65);
    EXPECT_TRUE(err.contains("larger than")) << qPrintable(err);
    EXPECT_TRUE(sim.printer.received().isEmpty());

    // Thirty characters are allowed.
    ASSERT_EQ(run({"files", "download", path, "--name", QString(30, u'N')}), 0) << qPrintable(err);
    EXPECT_EQ(flashFilesOnceThereAre(1).value(0).name, QByteArray(30, 'N'));
}

TEST_F(CliFilesTest, aPasswordProtectedPrinterTakesFilesOnlyWithItsPassword)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "Secret"; });
    const QString path = writeFile("logo.bmp", "BM");
    sim.printer.clearLogs();
    EXPECT_EQ(run({"files", "download", path}), 77);
    EXPECT_TRUE(err.startsWith("Incorrect\n")) << qPrintable(err);
    EXPECT_EQ(run({"files", "format", "--memory", "dram", "--password", "secret"}), 77);
    EXPECT_EQ(run({"files", "download", path, "--type", "firmware"}), 77);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(sim.printer.received(), passwordRead() + passwordRead() + passwordRead());

    ASSERT_EQ(run({"files", "download", path, "--password", "Secret"}), 0) << qPrintable(err);
    EXPECT_EQ(flashFilesOnceThereAre(1).value(0).name, "logo.BMP");
    givePrinterPassword("Secret");
    ASSERT_EQ(run({"files", "format", "--memory", "flash"}), 0) << qPrintable(err);
    EXPECT_TRUE(flashFilesOnceThereAre(0).isEmpty());
    // Reading the lists changes nothing and asks for no password.
    clearPrinterPassword();
    sim.printer.clearLogs();
    EXPECT_EQ(run({"files", "list"}), 0) << qPrintable(err);
    EXPECT_FALSE(sim.printer.received().contains("PASSWORD"));
}

TEST_F(CliFilesTest, theListShowsPrinterTextsEscapedAndNothingWhenTheReadFails)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.memories.flash.files = {{"A.BAS", "x"}, {"\x1b]0;x\x07\\.BAS", "y"}};
        state.memories.card.physicalKb = 0;
    });
    ASSERT_EQ(run({"files", "list"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "DRAM 8192 8192\nFLASH 32768 32768\n  A.BAS\n  \\x1b]0;x\\x07\\x5c.BAS\nCARD 0 -\n");
    ASSERT_EQ(run({"files", "list", "--json"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.contains(R"("files": ["A.BAS", "\u001b]0;x\u0007\\.BAS"]})")) << qPrintable(out);

    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(run({"files", "list"}), 3);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err, "Data Receiving Error\n");
}

TEST_F(CliFilesTest, sendWritesEveryByteUnchanged)
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    bytes += "SIZE 4,6\r\nPRINT 1"; // no line end added
    ASSERT_EQ(run({"send", "-"}, true, bytes), 0) << qPrintable(err);
    EXPECT_EQ(receivedOnceItHas(bytes.size()), bytes);
    sim.printer.clearLogs();
    ASSERT_EQ(run({"send", writeFile("script.txt", bytes)}), 0) << qPrintable(err);
    EXPECT_EQ(receivedOnceItHas(bytes.size()), bytes);
    EXPECT_TRUE(out.isEmpty());

    sim.printer.clearLogs();
    EXPECT_EQ(run({"send", "-"}, true, QByteArray(kDownloadFileLimit + 1, 'x')), 65);
    EXPECT_TRUE(err.contains("standard input")) << qPrintable(err);
    EXPECT_EQ(run({"send"}), 64);
    EXPECT_EQ(run({"send", file("missing")}), 65);
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliFilesTest, theTestLabelTakesThePrintersSizeOrTheOneGiven)
{
    // The virtual printer: 203 dpi, 8 dots per mm, an 812 x 406 dot label; 4 x 6 inches are 812 x 1218 dots.
    const std::pair<QStringList, QByteArray> sizes[] = {
        {{}, "BOX 16,16,796,390,4\r\n"},
        {{"--width", "4", "--height", "6"}, "BOX 16,16,796,1202,4\r\n"},
        {{"--width", "101.5", "--height", "152.25", "--unit", "mm"}, "BOX 16,16,796,1202,4\r\n"},
    };
    for (const auto& [size, frame] : sizes) {
        sim.printer.clearLogs();
        ASSERT_EQ(run(QStringList{"test-page"} + size), 0) << qPrintable(err);
        ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.received.endsWith("PRINT 1\r\n"); }));
        EXPECT_TRUE(sim.printer.received().contains(frame)) << sim.printer.received().constData();
    }
}

TEST_F(CliFilesTest, theTestLabelIsNotSentWithoutASize)
{
    sim.printer.clearLogs();
    EXPECT_EQ(run({"test-page", "--width", "", "--height", "6"}), 64);
    EXPECT_TRUE(err.startsWith("Please Entry Paper Width\n")) << qPrintable(err);
    EXPECT_EQ(run({"test-page", "--width", "4", "--height", " "}), 64);
    EXPECT_TRUE(err.startsWith("Please Entry Paper Height\n")) << qPrintable(err);
    EXPECT_EQ(run({"test-page", "--width", "4"}), 64);
    EXPECT_EQ(run({"test-page", "--unit", "mm"}), 64);
    EXPECT_EQ(run({"test-page", "--width", "4", "--height", "6", "--unit", "cm"}), 64);
    EXPECT_EQ(run({"test-page", "--width", "four", "--height", "6"}), 64);
    EXPECT_FALSE(sim.printer.received().contains("CLS"));

    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(run({"test-page"}), 3);
    EXPECT_EQ(err, "Data Receiving Error\n");
    EXPECT_FALSE(sim.printer.received().contains("CLS"));
}
