#include "VirtualPrinter.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace norvane::sim;
using namespace std::chrono_literals;

TEST(VirtualPrinterTest, theCommandObserverRunsAfterTheCommandWithThePrinterFreeForOthers)
{
    VirtualPrinter printer;
    std::mutex mutex;
    std::condition_variable changed;
    bool observing = false;
    bool othersServed = false;
    bool gaveUp = false;
    QList<QByteArray> observed;
    printer.setCommandObserver([&](const QByteArray& command) {
        std::unique_lock lock(mutex);
        observed.append(command);
        observing = true;
        changed.notify_all();
        gaveUp = !changed.wait_for(lock, 5s, [&] { return othersServed; });
    });
    std::thread connection([&] { printer.openSession()->receive("SELFTEST\r\n"); });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return observing; });
    }
    // Another connection's turn while the observer runs.
    const PrinterState state = printer.snapshot();
    {
        std::lock_guard lock(mutex);
        othersServed = true;
    }
    changed.notify_all();
    connection.join();

    EXPECT_FALSE(gaveUp);
    EXPECT_EQ(state.functions.configurationPages, 1);
    EXPECT_EQ(observed, QList<QByteArray>{"SELFTEST"});
}

TEST(VirtualPrinterTest, aRefusedCertificateIsLoggedAndNotKept)
{
    VirtualPrinter printer;
    const auto session = printer.openSession();
    session->receive("DLCERT 1,\"CA.PEM\",-1200,-----BEGIN\r\nWLAN SSID \"Dock\"\r\n");
    const PrinterState state = printer.snapshot();
    EXPECT_EQ(state.commands, (QList<QByteArray>{"DLCERT 1,\"CA.PEM\",-1200, (refused)", "WLAN SSID \"Dock\""}));
    EXPECT_TRUE(state.wireless.certificates.isEmpty());
    EXPECT_EQ(state.reports["WIFICACERT"], "");
    EXPECT_EQ(state.reports["WIFISSID"], "Dock");
}

TEST(VirtualPrinterTest, binaryDataIsLoggedWithItsSizeWhenItEndsAndTheNextCommandIsCarriedOut)
{
    VirtualPrinter printer;
    QList<QByteArray> observed;
    printer.setCommandObserver([&](const QByteArray& command) { observed.append(command); });
    QByteArray image(5000, '\0');
    for (qsizetype i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 13);
    auto session = printer.openSession();
    EXPECT_TRUE(session->receive(image).isEmpty());
    const QList<Output> outputs = session->receive("\r\nDIAGNOSTIC INTERFACE COM\r\n");
    ASSERT_EQ(outputs.size(), 1);
    EXPECT_EQ(outputs[0].bytes, Frame("COM"));

    // A sender that goes mid-image leaves what it sent logged.
    session = printer.openSession();
    session->receive(image.first(3000));
    session->close();

    const QList<QByteArray> expected{"(binary data, 5002 bytes)", "DIAGNOSTIC INTERFACE COM",
                                     "(binary data, 3000 bytes)"};
    const PrinterState state = printer.snapshot();
    EXPECT_EQ(state.commands, expected);
    EXPECT_EQ(observed, expected);
    EXPECT_EQ(state.control.resets + state.control.lineModeExits + state.functions.configurationPages, 0);
    EXPECT_EQ(state.received.size(), 5000 + 28 + 3000);
}
