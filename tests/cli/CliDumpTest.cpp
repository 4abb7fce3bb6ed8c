#include "CliFixture.h"
#include "CliSession.h"
#include "ConfigFiles.h"

#include <QDir>

using namespace norvane;

class CliDumpTest : public CliFixture
{
protected:
    QList<QByteArray> startsOnceThereAre(qsizetype count)
    {
        sim.waitFor([&](const sim::PrinterState& state) { return state.dump.starts.size() == count; });
        return sim.printer.snapshot().dump.starts;
    }

    void setPrinterFile(const QByteArray& name, const QByteArray& contents)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.dump.files[name] = contents; });
    }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(CliDumpTest, eachStartSendsItsTextAloneEvenToAPrinterWithAPassword)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "secret"; });
    ASSERT_EQ(run({"dump", "start", "print"}), 0) << qPrintable(err);
    ASSERT_EQ(run({"dump", "start", "sd", "LOG.TXT"}), 0) << qPrintable(err);
    ASSERT_EQ(run({"dump", "start", "file"}), 0) << qPrintable(err);
    EXPECT_EQ(startsOnceThereAre(3), (QList<QByteArray>{"DUMP_TEXT PRINT,", "DUMP_TEXT SAVE 1000,E,\"LOG.TXT\",",
                                                        "DUMP_TEXT SAVE 1000,\"Dump.txt\","}));
    EXPECT_EQ(sim.printer.received(),
              "DUMP_TEXT PRINT,DUMP_TEXT SAVE 1000,E,\"LOG.TXT\",DUMP_TEXT SAVE 1000,\"Dump.txt\",");
}

TEST_F(CliDumpTest, namesTheCommandsCannotCarryAndWrongWordsSendNothing)
{
    for (const QStringList& arguments :
         {QStringList{"dump", "start", "sd", "ABCDEFGHIJKLM"}, QStringList{"dump", "start", "sd", "A\"B"},
          QStringList{"dump", "start", "sd", ""}, QStringList{"dump", "start", "sd"},
          QStringList{"dump", "start", "label"}, QStringList{"dump", "start", "print", "--name", "X"},
          QStringList{"dump", "fetch", file("out.txt"), "--name", "A\r\nSELFTEST"},
          QStringList{"dump", "fetch", file("out.txt"), "--name", "ABCDEFGHIJKLMNOP"}, QStringList{"dump", "fetch"}}) {
        EXPECT_EQ(run(arguments), cli::kExitUsage) << qPrintable(arguments.join(u' '));
    }
    EXPECT_EQ(run({"dump", "start", "sd", "ABCDEFGHIJKL"}), 0) << qPrintable(err);
    startsOnceThereAre(1);
    EXPECT_EQ(sim.printer.received(), "DUMP_TEXT SAVE 1000,E,\"ABCDEFGHIJKL\",");
    EXPECT_FALSE(QFile::exists(file("out.txt")));
}

TEST_F(CliDumpTest, fetchWritesTheWholePrinterFileWhateverBytesItHolds)
{
    const QByteArray dump = QByteArray("CLS\r\n}{4|\0\xff", 11).repeated(5000);
    setPrinterFile("Dump.txt", dump);
    setPrinterFile("LOG.TXT", "log");
    writeFile("out.txt", "old contents");
    ASSERT_EQ(run({"dump", "fetch", file("out.txt")}), 0) << qPrintable(err);
    EXPECT_TRUE(contentsOf(file("out.txt")) == dump);
    EXPECT_TRUE(out.isEmpty());
    ASSERT_EQ(run({"dump", "fetch", file("log.txt"), "--name", "LOG.TXT"}), 0) << qPrintable(err);
    EXPECT_EQ(contentsOf(file("log.txt")), "log");
}

TEST_F(CliDumpTest, aFileThatNeverComesIsAskedForThreeTimesAndLeavesTheOutputAsItWas)
{
    writeFile("out.txt", "old contents");
    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(run({"dump", "fetch", file("out.txt")}), 3);
    EXPECT_EQ(err, "Data Receiving Error\n");
    EXPECT_EQ(contentsOf(file("out.txt")), "old contents");
    EXPECT_TRUE(sim.waitFor(
        [](const sim::PrinterState& state) { return state.commands.count("DIAGNOSTIC FILE \"Dump.txt\"") == 3; }));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"});
}

TEST_F(CliDumpTest, anOutputThatCannotBeWrittenExitsWith73)
{
    EXPECT_EQ(run({"dump", "fetch", file("no-such-folder/out.txt")}), cli::kExitCannotWrite);
    EXPECT_TRUE(err.contains(file("no-such-folder/out.txt"))) << qPrintable(err);
}
