#include "link/SerialTransport.h"
#include "link/LinkSettings.h"
#include "link/LinkTimeouts.h"
#include "link/PosixIo.h"
#include "link/Progress.h"
#include "link/SerialLineSettings.h"
#include "link/WaitPacing.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

using namespace norvane;
using namespace std::chrono_literals;

namespace {

/// A pseudo-terminal pair: the transport opens the slave by path, the test plays the printer on the master.
struct PseudoTerminal
{
    PseudoTerminal()
    {
        int masterFd = -1;
        int slaveFd = -1;
        char name[256] = {};
        if (::openpty(&masterFd, &slaveFd, name, nullptr, nullptr) == 0) {
            master.reset(masterFd);
            slave.reset(slaveFd); // held open so the master never sees a hang-up
            path = QString::fromLocal8Bit(name);
        }
    }

    QByteArray readMaster(qsizetype count)
    {
        QByteArray data;
        std::uint8_t buffer[256];
        while (data.size() < count) {
            const std::size_t n = readWithTimeout(master.get(), buffer, sizeof buffer, 2000ms).count;
            if (n == 0)
                break;
            data.append(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(n));
        }
        return data;
    }

    UniqueFd master;
    UniqueFd slave;
    QString path;
};

} // namespace

TEST(SerialLineSettingsTest, indicesBecomeLineSettings)
{
    termios line{};
    SerialLinkSettings settings; // 9600, 8 data bits, no parity, 1 stop bit, RTS, no Xon/Xoff
    ApplySerialLineSettings(line, settings);
    EXPECT_EQ(cfgetospeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(line.c_cflag & PARENB);
    EXPECT_FALSE(line.c_cflag & CSTOPB);
    EXPECT_TRUE(line.c_cflag & CRTSCTS);
    EXPECT_FALSE(line.c_iflag & (IXON | IXOFF));
    EXPECT_FALSE(line.c_lflag & (ICANON | ECHO)); // raw bytes both ways
    EXPECT_FALSE(line.c_oflag & OPOST);

    settings = {QStringLiteral("COM2"), 6, 0, 1, 2, 0, 1};
    ApplySerialLineSettings(line, settings);
    EXPECT_EQ(cfgetospeed(&line), B115200);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_TRUE((line.c_cflag & PARENB) && (line.c_cflag & PARODD) && (line.c_iflag & INPCK));
    EXPECT_TRUE(line.c_cflag & CSTOPB);
    EXPECT_FALSE(line.c_cflag & CRTSCTS);
    EXPECT_TRUE((line.c_iflag & IXON) && (line.c_iflag & IXOFF));

    settings = {QStringLiteral("COM3"), 7, 5, 2, 9, 7, 3};
    ApplySerialLineSettings(line, settings);
    EXPECT_EQ(cfgetospeed(&line), B9600); // the empty baud item
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_TRUE(line.c_cflag & PARENB); // even parity is sent
    EXPECT_FALSE(line.c_cflag & PARODD);
    EXPECT_FALSE(line.c_iflag & INPCK);  // but not checked
    EXPECT_FALSE(line.c_cflag & CSTOPB); // an unknown index is one stop bit
    EXPECT_TRUE(line.c_cflag & CRTSCTS); // an unknown index is RTS/CTS
    EXPECT_FALSE(line.c_iflag & IXON);
}

TEST(SerialTransportTest, opensAPseudoTerminalWithSettingsItCannotTakeAndCarriesBytesBothWays)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.path.isEmpty());
    Progress progress;
    WaitPacing pacing(progress, LinkTimeouts{}.showWaitingAfter);
    for (int stopBits : {0, 1, 2}) {
        SerialLinkSettings settings;
        settings.stopBits = stopBits;
        settings.parity = 2;
        settings.hardwareHandshake = 0;
        auto port = SerialTransport::open(pty.path, settings);
        ASSERT_TRUE(port) << "stop bits " << stopBits;

        ASSERT_TRUE(port->writeChunk("\x1b!?\r\n", pacing));
        EXPECT_EQ(pty.readMaster(5), QByteArray("\x1b!?\r\n"));

        ASSERT_EQ(::write(pty.master.get(), "{2|\r\n}", 6), 6);
        QByteArray received;
        std::uint8_t byte = 0;
        while (port->fetch(&byte, 1, 1000ms).count == 1)
            received.append(static_cast<char>(byte));
        EXPECT_EQ(received, QByteArray("{2|\r\n}")); // no line-ending translation
    }
}

TEST(SerialTransportTest, aFetchWithoutInputEndsAfterItsTimeoutAndAHangUpEndsTheConnection)
{
    PseudoTerminal pty;
    auto port = SerialTransport::open(pty.path, SerialLinkSettings{});
    ASSERT_TRUE(port);
    std::uint8_t byte = 0;
    const FetchResult silent = port->fetch(&byte, 1, 50ms);
    EXPECT_EQ(silent.count, 0u);
    EXPECT_FALSE(silent.ended);

    pty.master.reset();
    EXPECT_TRUE(port->fetch(&byte, 1, 1000ms).ended);
}

TEST(SerialTransportTest, inputQueuedBeforeTheOpenIsPurged)
{
    PseudoTerminal pty;
    ASSERT_EQ(::write(pty.master.get(), "STALE", 5), 5);
    ::usleep(20000);
    auto port = SerialTransport::open(pty.path, SerialLinkSettings{});
    ASSERT_TRUE(port);
    std::uint8_t byte = 0;
    EXPECT_EQ(port->fetch(&byte, 1, 50ms).count, 0u);
}

TEST(SerialTransportTest, aMissingDeviceOrAFileThatIsNoSerialPortDoesNotOpen)
{
    EXPECT_EQ(SerialTransport::open(QStringLiteral("/dev/ttyNoSuchPort"), SerialLinkSettings{}), nullptr);
    EXPECT_EQ(SerialTransport::open(QString(), SerialLinkSettings{}), nullptr);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(SerialTransport::open(plain.fileName(), SerialLinkSettings{}), nullptr);
}
