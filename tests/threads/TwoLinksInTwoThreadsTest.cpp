// Two printer operations on two virtual printers in two threads at once. The test script also runs this under
// ThreadSanitizer, which reports any state the two links share without a lock.

#include "config/PrinterConfig.h"
#include "link/LinkLayer.h"
#include "link/Progress.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/ConfigurationWrite.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace norvane;

namespace {

constexpr int kRounds = 4;
constexpr std::chrono::milliseconds kTimeout{5000};

/// The norvane-sim executable on a free port of 127.0.0.1, for as long as the object lives. A process of its
/// own, so the sanitizer build needs no virtual printer built with it.
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

/// Everything one link needs, made and used on one thread only.
struct OwnLink
{
    explicit OwnLink(int port)
    {
        settings.ethernet.host = QStringLiteral("127.0.0.1");
        settings.ethernet.port = port;
        links.timeouts().ethernet = kTimeout;
    }

    ResultCode read(PrinterConfig& config)
    {
        return dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 1);
    }

    ResultCode write(ConfigPageWrite& write)
    {
        return dispatcher.dispatch<OperationCode::WriteConfigurationPage>(
            InterfaceKind::Ethernet, write, static_cast<std::int32_t>(ConfigPage::Common));
    }

    LinkSettings settings;
    Progress progress;
    LinkLayer links{settings, progress};
    CommandDispatcher dispatcher{links};
};

struct ReadBack
{
    ResultCode result;
    std::int32_t edition;
    std::int32_t density;

    bool operator==(const ReadBack&) const = default;
};

void PrintTo(const ReadBack& read, std::ostream* out)
{
    *out << "result " << static_cast<int>(read.result) << ", edition " << read.edition << ", density " << read.density;
}

ReadBack readBack(OwnLink& link)
{
    PrinterConfig config;
    const ResultCode result = link.read(config);
    return {result, config.edition, config.density.value};
}

} // namespace

TEST(TwoLinksInTwoThreadsTest, eachThreadsOperationsReachOnlyItsOwnPrinter)
{
    // Two printers told apart by their firmware edition.
    SimProcess readOnly({"--edition", "106"});
    SimProcess written({"--edition", "108"});
    ASSERT_NE(readOnly.port, 0);
    ASSERT_NE(written.port, 0);

    ConfigPageWrite darker;
    std::int32_t readOnlyDensity = 0;
    {
        OwnLink link(written.port);
        ASSERT_EQ(link.read(darker.config), ResultCode::Success);
        OwnLink other(readOnly.port);
        readOnlyDensity = readBack(other).density;
    }
    const std::int32_t darkerDensity = readOnlyDensity + 3;
    darker.config.density.set(darkerDensity);

    std::vector<ReadBack> reads;
    std::vector<ResultCode> writes;
    std::vector<ReadBack> readsAfterWrites;
    std::thread reader([&] {
        OwnLink link(readOnly.port);
        for (int i = 0; i < kRounds; ++i)
            reads.push_back(readBack(link));
    });
    std::thread writer([&] {
        OwnLink link(written.port);
        for (int i = 0; i < kRounds; ++i) {
            ConfigPageWrite write = darker;
            writes.push_back(link.write(write));
            readsAfterWrites.push_back(readBack(link));
        }
    });
    reader.join();
    writer.join();

    EXPECT_EQ(reads, std::vector<ReadBack>(kRounds, {ResultCode::Success, 106, readOnlyDensity}));
    EXPECT_EQ(writes, std::vector<ResultCode>(kRounds, ResultCode::Success));
    EXPECT_EQ(readsAfterWrites, std::vector<ReadBack>(kRounds, {ResultCode::Success, 108, darkerDensity}));
}
