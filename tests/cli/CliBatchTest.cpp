#include "BatchTargets.h"
#include "CliFixture.h"
#include "config/DcfFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace norvane;
using namespace norvane::cli;

namespace {

std::string refusal(const QByteArray& targetsFile)
{
    QString error;
    return ParseBatchTargets(targetsFile, error) ? "accepted" : error.toStdString();
}

} // namespace

TEST(BatchTargetsTest, linesBecomeTargetsWithTheirLinkOptionsAndSafeFileNames)
{
    QString error;
    const auto targets = ParseBatchTargets("# the shop floor\r\n"
                                           "--net 10.0.0.5 --password-env PW_10_0_0_5\r\n"
                                           "\n"
                                           "   # spare\n"
                                           "  --com /dev/ttyUSB0   --baud 115200\n"
                                           "--net [fe80::1]:9101 --password-env=PW_V6\n"
                                           "--usb\n"
                                           "--lpt ..\n",
                                           error);
    ASSERT_TRUE(targets) << qPrintable(error);
    ASSERT_EQ(targets->size(), 5);
    EXPECT_EQ((*targets)[0].name, "10.0.0.5");
    EXPECT_EQ((*targets)[0].linkArguments, (QStringList{"--net", "10.0.0.5"}));
    EXPECT_EQ((*targets)[0].passwordVariable, "PW_10_0_0_5");
    EXPECT_EQ((*targets)[1].name, "/dev/ttyUSB0");
    EXPECT_EQ((*targets)[1].fileName, "dev_ttyUSB0");
    EXPECT_EQ((*targets)[1].linkArguments, (QStringList{"--com", "/dev/ttyUSB0", "--baud", "115200"}));
    EXPECT_FALSE((*targets)[1].passwordVariable);
    EXPECT_EQ((*targets)[2].fileName, "fe80__1__9101");
    EXPECT_EQ((*targets)[2].linkArguments, (QStringList{"--net", "[fe80::1]:9101"}));
    EXPECT_EQ((*targets)[2].passwordVariable, "PW_V6");
    EXPECT_EQ((*targets)[3].name, "usb");
    // A name that would climb out of the output folder.
    EXPECT_EQ((*targets)[4].fileName, "target");
}

TEST(BatchTargetsTest, aLineThatIsNoPrinterOrCarriesAPasswordIsRefusedByItsNumber)
{
    EXPECT_EQ(refusal("--net 10.0.0.5\n--password hunter2 --net 10.0.0.6\n"),
              "line 2: --password would show on a command line; name an environment variable with --password-env VAR");
    EXPECT_EQ(refusal("--read-timeout 300\n"), "line 1: no --usb, --com, --lpt or --net");
    EXPECT_EQ(refusal("# x\n--net 10.0.0.5 status\n"), "line 2: status is no link option");
    EXPECT_EQ(refusal("--net 10.0.0.5 # office\n"), "line 1: # is no link option");
    EXPECT_EQ(refusal("--com /dev/ttyS0 --baud 300\n"), "line 1: --baud does not take 300");
    EXPECT_EQ(refusal("--net 10.0.0.5 --password-env\n"), "line 1: Missing value after '--password-env'.");
    EXPECT_EQ(refusal("--net 10.0.0.5\x1b[2J\n"), "line 1: a control character");
    EXPECT_EQ(refusal("--net 10.0.0.5:9100\n--com /dev/x\n--net 10.0.0.5 --read-timeout 9\n"),
              "line 3: the same printer as line 1");
    // Different printers whose file names would still overwrite each other's files.
    EXPECT_EQ(refusal("--com /dev/a:b\n--com /dev/a_b\n"),
              "line 2: the same target as line 1 (both write files as dev_a_b)");
    EXPECT_EQ(refusal("# nothing\n\n"), "no targets");
}

/// Runs the norvane-cli executable, as a script would.
class CliBatchTest : public ::testing::Test
{
protected:
    CliBatchTest()
    {
        environment.remove(QStringLiteral("NORVANE_PASSWORD"));
        environment.remove(QStringLiteral("NORVANE_PRINTER_PASSWORD"));
    }

    struct Run
    {
        int exitCode = -1;
        QList<QJsonObject> lines;
        QString err;
    };

    Run batch(const QByteArray& targets, const QStringList& command, const QStringList& options = {})
    {
        QFile file(dir.filePath("targets"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(targets);
        file.close();
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.setWorkingDirectory(dir.path());
        cli.start(QStringLiteral(NORVANE_CLI_PATH),
                  QStringList{"batch", "--targets", file.fileName()} + options + QStringList{"--"} + command);
        EXPECT_TRUE(cli.waitForFinished(60000));
        Run run{cli.exitCode(), {}, QString::fromUtf8(cli.readAllStandardError())};
        for (const QByteArray& line : cli.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                run.lines << QJsonDocument::fromJson(line).object();
        }
        return run;
    }

    static QByteArray target(int port, const QByteArray& more = {})
    {
        return "--net 127.0.0.1:" + QByteArray::number(port) + " --read-timeout 300" + more + '\n';
    }

    static QString name(int port) { return QStringLiteral("127.0.0.1:%1").arg(port); }

    /// The outcome line of `target`, which must be there exactly once.
    static QJsonObject lineOf(const Run& run, const QString& target)
    {
        QList<QJsonObject> found;
        for (const QJsonObject& line : run.lines) {
            if (line["target"].toString() == target)
                found << line;
        }
        EXPECT_EQ(found.size(), 1) << qPrintable(target);
        return found.value(0);
    }

    test::SimPrinter first;
    test::SimPrinter second;
    test::RefusingPort stopped;
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(CliBatchTest, threePrintersOneNotRunningGiveAnOutcomeEachAndASummary)
{
    const Run run =
        batch("# three printers\n" + target(first.tcpPort) + target(stopped.port()) + target(second.tcpPort),
              {"read-config", "--dcf", "out-{target}.dcf"}, {"--jobs", "2"});

    // The first failure in the file's order decides the exit status.
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    ASSERT_EQ(run.lines.size(), 3);
    EXPECT_EQ(lineOf(run, name(first.tcpPort))["exit"].toInt(-1), 0);
    EXPECT_EQ(lineOf(run, name(second.tcpPort))["exit"].toInt(-1), 0);
    EXPECT_EQ(lineOf(run, name(stopped.port()))["exit"].toInt(-1), 1);
    EXPECT_EQ(lineOf(run, name(stopped.port()))["message"].toString(), "Port Open Error");
    EXPECT_EQ(run.err, QStringLiteral("batch: 3 targets, 2 succeeded, 1 failed: %1 (1)\n").arg(name(stopped.port())));

    // Each printer's configuration went into its own file, and the stopped one wrote none.
    for (const int port : {first.tcpPort, second.tcpPort}) {
        QFile dcf(dir.filePath(QStringLiteral("out-127.0.0.1_%1.dcf").arg(port)));
        ASSERT_TRUE(dcf.open(QIODevice::ReadOnly)) << qPrintable(dcf.fileName());
        DcfContents contents;
        QString error;
        EXPECT_TRUE(ReadDcf(dcf.readAll(), contents, error)) << qPrintable(error);
        EXPECT_EQ(contents.config.edition, 108);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out-127.0.0.1_%1.dcf").arg(stopped.port()))));
}

TEST_F(CliBatchTest, eachPrinterGetsThePasswordItsLineNames)
{
    for (auto [printer, password] : {std::pair{&first, "Alpha"}, std::pair{&second, "Beta"}})
        printer->printer.withState([&](sim::PrinterState& state) { state.reports["PASSWORD"] = password; });
    environment.insert("PW_FIRST", "Alpha");
    environment.insert("PW_SECOND", "Beta");
    // A password for every printer in the environment does not override a target's own.
    environment.insert("NORVANE_PASSWORD", "Alpha");

    Run run =
        batch(target(first.tcpPort, " --password-env PW_FIRST") + target(second.tcpPort, " --password-env=PW_SECOND"),
              {"factory-default"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.err, "batch: 2 targets, 2 succeeded, 0 failed\n");
    ASSERT_EQ(run.lines.size(), 2);
    EXPECT_EQ(run.lines[0]["stdout"].toString(), "");

    // Without its own variable a target takes the common one, which is the other printer's password here.
    run = batch(target(first.tcpPort) + target(second.tcpPort), {"factory-default"});
    EXPECT_EQ(run.exitCode, 77);
    EXPECT_EQ(lineOf(run, name(first.tcpPort))["exit"].toInt(-1), 0);
    EXPECT_EQ(lineOf(run, name(second.tcpPort))["exit"].toInt(-1), 77);
    EXPECT_TRUE(lineOf(run, name(second.tcpPort))["message"].toString().startsWith("Incorrect"));

    // A variable that is not set stops the batch before any printer is reached.
    first.printer.clearLogs();
    run = batch(target(first.tcpPort) + target(second.tcpPort, " --password-env PW_NOBODY"), {"factory-default"});
    EXPECT_EQ(run.exitCode, 65);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_TRUE(run.err.contains("the password variable PW_NOBODY of " + name(second.tcpPort) + " is not set"))
        << qPrintable(run.err);
    EXPECT_TRUE(first.printer.received().isEmpty());
}

class CliBatchUsageTest : public CliFixture
{
};

TEST_F(CliBatchUsageTest, aCommandThatWouldChooseThePrinterOrNestIsRefusedBeforeAnythingRuns)
{
    const QString targets = writeFile("targets", "--net " + networkTarget().toUtf8() + "\n");
    const QStringList start{"batch", "--targets", targets, "--"};
    EXPECT_EQ(run(start + QStringList{"status", "--net", "10.0.0.9"}, false), 64);
    EXPECT_TRUE(err.contains("--net belongs in the targets file")) << qPrintable(err);
    EXPECT_EQ(run(start + QStringList{"factory-default", "--password=x"}, false), 64);
    EXPECT_EQ(run(start + QStringList{"batch", "--targets", targets, "--", "status"}, false), 64);
    EXPECT_EQ(run(start, false), 64);
    EXPECT_EQ(run({"batch", "--", "status"}, false), 64);
    EXPECT_EQ(run({"batch", "--targets", targets, "--jobs", "0", "--", "status"}, false), 64);
    EXPECT_EQ(run({"batch", "--targets", file("missing"), "--", "status"}, false), 65);
    EXPECT_TRUE(err.contains(file("missing"))) << qPrintable(err);
    EXPECT_EQ(run({"batch", "--targets", writeFile("bad", "--net\n"), "--", "status"}, false), 65);
    EXPECT_TRUE(err.contains(file("bad") + ": line 1:")) << qPrintable(err);
    EXPECT_TRUE(sim.printer.received().isEmpty());
    EXPECT_TRUE(out.isEmpty());
}
