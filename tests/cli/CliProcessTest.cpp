#include "RefusingPort.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
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

/// Runs norvane-cli with `input` on its standard input and, when given, the printer password in its
/// environment (never the caller's).
CliRun runCli(const QStringList& arguments, const QByteArray& input = {}, const QString& printerPassword = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("NORVANE_PRINTER_PASSWORD"));
    environment.remove(QStringLiteral("NORVANE_PASSWORD"));
    if (!printerPassword.isNull())
        environment.insert(QStringLiteral("NORVANE_PASSWORD"), printerPassword);
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(NORVANE_CLI_PATH), arguments);
    cli.write(input);
    cli.closeWriteChannel();
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

    const norvane::test::RefusingPort refusing;
    const CliRun refused = runCli({"--net", QStringLiteral("127.0.0.1:%1").arg(refusing.port()), "status"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Port Open Error\n");
}

TEST(CliProcessTest, thePrinterPasswordComesFromTheEnvironmentOrStandardInput)
{
    SimProcess sim({"--password", "Secret"});
    ASSERT_GT(sim.port, 0);
    const QStringList link{"--net", QStringLiteral("127.0.0.1:%1").arg(sim.port)};

    const CliRun refused = runCli(link + QStringList{"factory-default"});
    EXPECT_EQ(refused.exitCode, 77);
    EXPECT_TRUE(refused.err.startsWith("Incorrect\n")) << refused.err.constData();

    const CliRun changed =
        runCli(link + QStringList{"password", "set", "-", "--printer-password-file", "-"}, "Secret\nNew1\n");
    EXPECT_EQ(changed.exitCode, 0) << changed.err.constData();
    EXPECT_EQ(runCli(link + QStringList{"password", "get"}).out, "New1\n");
    EXPECT_EQ(runCli(link + QStringList{"factory-default"}, {}, "New1").exitCode, 0);
}

TEST(CliProcessTest, theVirtualPrinterRefusesUnknownOptions)
{
    QProcess sim;
    sim.start(QStringLiteral(NORVANE_SIM_PATH), {"--tcp", "0", "--fault", "explode"});
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 64);
    EXPECT_TRUE(sim.readAllStandardError().contains("unknown fault explode"));
}

TEST(CliProcessTest, aSettingTheVirtualPrinterKeepsIsReportedByTheVerification)
{
    SimProcess sim({"--read-only-settings", "DENSITY"});
    ASSERT_GT(sim.port, 0);
    const QStringList link{"--net", QStringLiteral("127.0.0.1:%1").arg(sim.port)};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printer.json"));
    ASSERT_EQ(runCli(link + QStringList{"read-config", "--json", path}).exitCode, 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    json["density"] = QJsonObject{{"valid", true}, {"value", 15}};
    file.resize(0);
    file.write(QJsonDocument(json).toJson());
    file.close();

    const CliRun verified = runCli(link + QStringList{"write-config", "--page", "0", path, "--verify"});
    EXPECT_EQ(verified.exitCode, 75) << verified.err.constData();
    EXPECT_EQ(verified.out, "{\"field\": \"density\", \"sent\": 15, \"read\": 8}\n");
}
