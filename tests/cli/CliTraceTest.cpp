#include "CliFixture.h"
#include "link/TraceText.h"

using namespace norvane;

namespace {

/// One line of a trace, split into its fields.
struct TraceLine
{
    QByteArray kind;
    QByteArray operation;
    QByteArray event;
    QByteArray bytes;
};

QByteArray traceText(QByteArrayView bytes)
{
    QByteArray text;
    AppendTraceText(text, bytes);
    return text;
}

} // namespace

class CliTraceTest : public CliFixture
{
protected:
    QList<TraceLine> readTrace(const QString& path)
    {
        QFile trace(path);
        EXPECT_TRUE(trace.open(QIODevice::ReadOnly));
        m_traceText = trace.readAll();
        QList<TraceLine> lines;
        for (const QByteArray& line : m_traceText.split('\n')) {
            if (line.isEmpty())
                continue;
            QList<QByteArray> fields = line.trimmed().split(' ');
            EXPECT_GE(fields.size(), 4) << line.constData();
            if (fields.size() < 4)
                continue;
            lines.append({fields[1], fields[2], fields[3], fields.mid(4).join(' ')});
        }
        return lines;
    }

    QByteArray m_traceText;
};

TEST_F(CliTraceTest, aReadConfigTraceHoldsEveryRequestAndItsReplyInOrder)
{
    const QString path = file("read.trace");
    ASSERT_EQ(run({"--trace", path, "read-config"}), 0) << qPrintable(err);
    const QList<TraceLine> lines = readTrace(path);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.first().event, "open");
    EXPECT_EQ(lines.last().event, "close");

    // The requests, one line each, are exactly what the printer received; each is followed by its reply.
    const auto reports = sim.printer.snapshot().reports;
    QByteArray requests;
    int answeredQueries = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].kind, "ETHERNET");
        EXPECT_EQ(lines[i].operation, "ReadConfiguration");
        if (lines[i].event != "send")
            continue;
        requests += lines[i].bytes;
        QByteArray reply;
        for (qsizetype j = i + 1; j < lines.size() && lines[j].event == "recv"; ++j)
            reply += lines[j].bytes;
        EXPECT_FALSE(reply.isEmpty()) << lines[i].bytes.constData();
        const QByteArray request = lines[i].bytes;
        if (!request.startsWith("DIAGNOSTIC REPORT ") || !request.endsWith("\\r\\n"))
            continue;
        const QByteArray key = request.sliced(18, request.size() - 22);
        if (reports.contains(key) && !reports.value(key).isEmpty()) {
            const QByteArray value = reports.value(key);
            const QByteArray frame = '{' + QByteArray::number(value.size()) + '|' + value + '}';
            // The replies that carry a key or a password show as their length.
            EXPECT_EQ(reply, reply.startsWith('<') ? SecretMarker(frame.size()) : traceText(frame)) << key.constData();
            ++answeredQueries;
        }
    }
    EXPECT_EQ(requests, traceText(sim.printer.received()));
    EXPECT_GT(answeredQueries, 20);
}

TEST_F(CliTraceTest, aSetPasswordAndWirelessKeyNeverAppearInTheTraces)
{
    const QByteArray password = "Pw-4711x";
    const QByteArray key = "wpa-passphrase-42";
    QByteArray traces;
    ASSERT_EQ(run({"--trace", file("password.trace"), "password", "set", password}), 0) << qPrintable(err);
    readTrace(file("password.trace"));
    traces += m_traceText;

    givePrinterPassword(password);
    const QString config = writeFile("wireless.json", R"({"wifiPresent": 1, "wifiSecurity": {"valid": true, "value": 5},
                                                         "wifiKey": {"valid": true, "value": ")" +
                                                          key + R"("}})");
    ASSERT_EQ(run({"write-config", "--page", "4", config, "--trace", file("wlan.trace")}), 0) << qPrintable(err);
    readTrace(file("wlan.trace"));
    traces += m_traceText;

    ASSERT_EQ(run({"--trace", file("read.trace"), "read-config"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.contains(QString::fromLatin1(key))) << "the key was read back";
    const QList<TraceLine> read = readTrace(file("read.trace"));
    traces += m_traceText;

    EXPECT_TRUE(sim.printer.received().contains(password));
    EXPECT_TRUE(sim.printer.received().contains(key));
    EXPECT_FALSE(traces.contains(password));
    EXPECT_FALSE(traces.contains(key));
    EXPECT_TRUE(traces.contains("DIAGNOSTIC PASSWORD \"<secret 8 bytes>\"\\r\\n"));
    EXPECT_TRUE(traces.contains("WLAN WPA \"<secret 17 bytes>\"\\r\\n"));
    // The reply to the key's query, "{17|...}", is there as its length.
    EXPECT_TRUE(traces.contains("recv <secret 22 bytes>"));
}

TEST_F(CliTraceTest, aTraceFileThatCannotBeWrittenStopsTheCommandBeforeItSendsAnything)
{
    const QString path = file("missing/read.trace");
    EXPECT_EQ(run({"--trace", path, "status"}), 73);
    EXPECT_TRUE(err.contains(path)) << qPrintable(err);
    EXPECT_TRUE(sim.printer.received().isEmpty());
}
