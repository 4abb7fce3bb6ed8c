#include "CliFixture.h"
#include "ReadOnlySettings.h"

#include <QJsonDocument>
#include <QJsonObject>

/// write-config --verify against a printer that keeps some settings whatever it is told.
class CliVerifyTest : public CliFixture
{
protected:
    /// The printer's own configuration with new values for the common page, as a JSON file.
    QString changedConfigFile()
    {
        EXPECT_EQ(run({"read-config", "--json", file("printer.json")}), 0) << qPrintable(err);
        QFile saved(file("printer.json"));
        saved.open(QIODevice::ReadOnly);
        QJsonObject json = QJsonDocument::fromJson(saved.readAll()).object();
        json["speed"] = QJsonObject{{"valid", true}, {"value", 6}};
        json["density"] = QJsonObject{{"valid", true}, {"value", 3}};
        json["paperWidth"] = QJsonObject{{"valid", true}, {"value", 406}};
        json["unitIsInch"] = 1;
        return writeFile("changed.json", QJsonDocument(json).toJson());
    }

    void makeReadOnly(const char* names)
    {
        sim.printer.withState([&](norvane::sim::PrinterState& state) {
            QString error;
            ASSERT_TRUE(norvane::sim::SetReadOnlySettings(QLatin1StringView(names), state, error));
        });
    }
};

TEST_F(CliVerifyTest, eachSettingThePrinterKeptIsOneJsonLineAndTheExitIs75)
{
    const QString changed = changedConfigFile();
    ASSERT_EQ(run({"write-config", "--page", "0", changed, "--verify"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.isEmpty()) << qPrintable(out);
    EXPECT_TRUE(err.isEmpty()) << qPrintable(err);

    sim.printer.withState([](norvane::sim::PrinterState& state) {
        state.reports["SPEED"] = "4.0";
        state.reports["PAPERWIDTH"] = "812.00";
        state.reports["DENSITY"] = "8";
    });
    makeReadOnly("SPEED,PAPERWIDTH");
    sim.printer.clearLogs();

    EXPECT_EQ(run({"write-config", "--page", "0", changed, "--verify"}), 75) << qPrintable(err);
    EXPECT_EQ(out, QStringLiteral("{\"field\": \"speed\", \"sent\": 6, \"read\": 4}\n"
                                  "{\"field\": \"paperWidth\", \"sent\": 406, \"read\": 812}\n"));
    EXPECT_TRUE(err.isEmpty()) << qPrintable(err);
    // The page went out before the configuration was read again.
    const QByteArray received = sim.printer.snapshot().received;
    EXPECT_LT(received.indexOf("DENSITY 3\r\n"), received.lastIndexOf("DIAGNOSTIC REPORT SPEED\r\n"));

    // Without --verify the same write is a success, as it always was, and reads nothing back.
    sim.printer.clearLogs();
    EXPECT_EQ(run({"write-config", "--page", "0", changed}), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(sim.printer.snapshot().received.contains("DIAGNOSTIC REPORT SPEED"));
}

TEST_F(CliVerifyTest, aPrinterTextInTheReportCannotDriveTheTerminal)
{
    EXPECT_EQ(run({"read-config", "--json", file("printer.json")}), 0);
    QFile saved(file("printer.json"));
    saved.open(QIODevice::ReadOnly);
    QJsonObject json = QJsonDocument::fromJson(saved.readAll()).object();
    json["ftpUser"] = QJsonObject{{"valid", true}, {"value", "tech"}};
    const QString changed = writeFile("ftp.json", QJsonDocument(json).toJson());
    sim.printer.withState([](norvane::sim::PrinterState& state) {
        state.reports["UPDFTPID"] = "\x1b[2J\x9b"
                                    "1m";
    });
    makeReadOnly("UPDFTPID");

    EXPECT_EQ(run({"write-config", "--page", "6", changed, "--verify"}), 75) << qPrintable(err);
    EXPECT_EQ(out, QStringLiteral("{\"field\": \"ftpUser\", \"sent\": \"tech\", \"read\": \"\\u001b[2J\\u009b1m\"}\n"));
}
