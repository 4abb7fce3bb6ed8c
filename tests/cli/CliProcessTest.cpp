#include <QProcess>
#include <gtest/gtest.h>

namespace {

/// The norvane-sim executable, listening on a free port for as long as the object lives.
class SimProcess
{
public:
    explicit SimProcess(const QStringList& arguments)
    {
        m_process.start(QStringLiteral(NORVANE_SIM_PATH), QStringList{"--tcp", "0", "--quiet"} + arguments);
        if (m_process.waitForReadyRead(10000))
            port = m_process.readLine().trimmed().toInt();
    }
    ~SimProcess()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    int port = 0;

private:
    QProcess m_process;
};

struct CliRun
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(NORVANE_CLI_PATH), arguments);
    cli.waitForFinished(30000);
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

} // namespace

TEST(CliProcessTest, theExecutablesTalkToEachOtherAndExitWithTheResultCode)
{
    SimProcess sim({"--status", "10"});
    ASSERT_GT(sim.port, 0);
    const QString target = QStringLiteral("127.0.0.1:%1").arg(sim.port);

    const CliRun status = runCli({"--net", target, "status"});
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_TRUE(status.out.startsWith("Pause\n")) << status.out.constData();
    EXPECT_TRUE(status.err.isEmpty()); // no progress bar when stderr is no terminal

    const CliRun refused = runCli({"--net", "127.0.0.1:1", "status"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Port Open Error\n");
}

TEST(CliProcessTest, theVirtualPrinterRefusesUnknownOptions)
{
    QProcess sim;
    sim.start(QStringLiteral(NORVANE_SIM_PATH), {"--tcp", "0", "--fault", "explode"});
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 64);
    EXPECT_TRUE(sim.readAllStandardError().contains("unknown fault explode"));
}
