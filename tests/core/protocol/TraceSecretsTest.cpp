#include "ScriptedTransport.h"
#include "TraceCapture.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/CommandFormat.h"
#include "protocol/CommandText.h"
#include "protocol/ConfigurationWrite.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

TEST(CommandTextTest, joinedPartsKeepTheirSecretsWhereTheirBytesAre)
{
    const CommandText command = QByteArray("WLAN EAP 1,1,") + Quoted("tech", "wifiUsername") + ',' +
                                SecretQuoted("pw\\x", "wifiPassword") + "," + CommandText::secret("\x30\x82") +
                                CommandText::secret({}) + "\r\n";
    EXPECT_EQ(command.bytes(), "WLAN EAP 1,1,\"tech\",\"pw\\x\",\x30\x82\r\n");
    const std::vector<SecretSpan> secrets(command.secrets().begin(), command.secrets().end());
    EXPECT_EQ(secrets, (std::vector<SecretSpan>{{21, 4}, {27, 2}}));
    // A secret is quoted like any other text, so what the printer cannot carry is still refused.
    EXPECT_THROW(SecretQuoted("a\"b", "wifiKey"), UnsendableValue);
}

/// Runs operations over TCP with a trace, against a printer that answers every query from `reports`.
class TraceSecretsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s.links.setTrace(capture.trace);
        s.device->respond = [this](QByteArrayView chunk) {
            const QByteArray line = chunk.toByteArray().trimmed();
            if (line.startsWith("DIAGNOSTIC INTERFACE") || line.startsWith("DIAGNOSTIC PASSWORD"))
                return QByteArray("{2|OK}");
            const QByteArray key = line.mid(18);
            if (line.startsWith("DIAGNOSTIC REPORT ") && reports.contains(key))
                return '{' + QByteArray::number(reports.value(key).size()) + '|' + reports.value(key) + '}';
            return QByteArray();
        };
    }

    /// The trace holds none of `secrets`, though every one of them went to the printer.
    void expectSentButNotTraced(const QByteArrayList& secrets) const
    {
        for (const QByteArray& secret : secrets) {
            EXPECT_TRUE(s.device->written.contains(secret) || s.device->input.contains(secret)) << secret.constData();
            EXPECT_FALSE(capture.text.contains(secret)) << secret.constData();
        }
    }

    QByteArrayList sentLines() const
    {
        QByteArrayList sent;
        for (const QByteArray& line : capture.lines()) {
            if (line.contains(" send "))
                sent << line.mid(line.indexOf(" send ") + 6);
        }
        return sent;
    }

    ScriptedLinks s;
    TraceCapture capture;
    CommandDispatcher dispatcher{s.links};
    QHash<QByteArray, QByteArray> reports;
};

TEST_F(TraceSecretsTest, passwordsSentAndReadShowOnlyTheirLength)
{
    QByteArray password = "hunter2";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SendPassword>(InterfaceKind::Ethernet, password), ResultCode::Success);
    EXPECT_EQ(sentLines(), QByteArrayList{"DIAGNOSTIC PASSWORD \"<secret 7 bytes>\"\\r\\n"});
    EXPECT_TRUE(capture.lines().contains("ETHERNET SendPassword recv {2|OK}"));

    reports = {{"EDITION", "108"}, {"PASSWORD", "Sesame"}};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadPassword>(InterfaceKind::Ethernet, password), ResultCode::Success);
    EXPECT_EQ(password, "Sesame");
    const QByteArrayList lines = capture.lines();
    EXPECT_TRUE(lines.contains("ETHERNET ReadPassword recv {3|108}"));
    EXPECT_TRUE(lines.contains("ETHERNET ReadPassword recv <secret 10 bytes>"));
    EXPECT_TRUE(s.device->written.contains("hunter2"));
    EXPECT_FALSE(capture.text.contains("hunter2") || capture.text.contains("Sesame"));
}

TEST_F(TraceSecretsTest, keysPasswordsAndCertificatesOfTheConfigurationPagesStayOutOfTheTrace)
{
    QTemporaryDir folder;
    const QByteArray certificate("\x30\x82\x00\r\nBEGIN PRIVATE KEY", 22);
    QFile file(folder.filePath("KEY.PEM"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(certificate);
    file.close();

    ConfigPageWrite write;
    PrinterConfig& c = write.config;
    c.wifiPresent = 1;
    c.wifiSecurity.set(6);
    c.wifiEap.set(0x10);
    c.wifiUsername.setText("tech");
    c.wifiPassword.setText("eap-secret");
    write.certificates.privateKey = file.fileName();
    ASSERT_EQ(dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, 4),
              ResultCode::Success);
    c.wifiSecurity.set(5);
    c.wifiKey.setText("wpa-passphrase");
    write.certificates = {};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, 4),
              ResultCode::Success);
    c.btPresent = 1;
    c.btPinCode.setText("4711");
    c.btName.setText("NV-LAB");
    ASSERT_EQ(dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, 5),
              ResultCode::Success);
    c.ftpPassword.setText("ftp-secret");
    ASSERT_EQ(dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, 6),
              ResultCode::Success);

    const QByteArrayList sent = sentLines();
    EXPECT_TRUE(sent.contains("WLAN EAP 1,1,\"tech\",\"<secret 10 bytes>\"\\r\\n"));
    EXPECT_TRUE(sent.contains("DLCERT 3,\"KEY.PEM\",22,<secret 22 bytes>\\r\\n"));
    EXPECT_TRUE(sent.contains("WLAN WPA \"<secret 14 bytes>\"\\r\\n"));
    EXPECT_TRUE(sent.contains("BT PINCODE \"<secret 4 bytes>\"\\r\\n"));
    EXPECT_TRUE(sent.contains("BT NAME \"NV-LAB\"\\r\\n"));
    EXPECT_TRUE(sent.contains("FTPUPD PSWD \"<secret 10 bytes>\"\\r\\n"));
    expectSentButNotTraced({"eap-secret", "BEGIN PRIVATE KEY", "wpa-passphrase", "\"4711\"", "ftp-secret"});
    EXPECT_TRUE(capture.lines().first().startsWith("ETHERNET WriteConfigurationPage open "));
}
