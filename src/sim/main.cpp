// norvane-sim: a virtual thermal label printer for tests, demos and development without hardware.

#include "ClockState.h"
#include "ExternalModuleCommands.h"
#include "MemorySizes.h"
#include "PrinterProfile.h"
#include "ReadOnlySettings.h"
#include "SensorCommands.h"
#include "SimServer.h"
#include "VirtualPrinter.h"
#include "config/BoundedFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>
#include <cstdio>

using namespace norvane::sim;

namespace {

void fail(const QString& message)
{
    std::fprintf(stderr, "norvane-sim: %s\n", qPrintable(message));
    std::exit(64);
}

int parseNumber(const QString& text, const char* what, int base = 10)
{
    bool ok = false;
    const int value = text.toInt(&ok, base);
    if (!ok)
        fail(QStringLiteral("%1 is not a valid %2").arg(text, QLatin1StringView(what)));
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("norvane-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A virtual printer. Prints the TCP port on its first line (with --tcp), then \"udp PORT\",\n"
                       "\"pty PATH\" and \"usb DIR\" lines, then each command it accepts. Runs until interrupted."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("tcp"), QStringLiteral("Listen on 127.0.0.1:PORT (0: any free port)."), QStringLiteral("PORT")},
        {QStringLiteral("udp"),
         QStringLiteral("Answer network discovery on UDP PORT of every local address, to senders on this machine\n"
                        "only (0: any free port)."),
         QStringLiteral("PORT")},
        {QStringLiteral("mac"), QStringLiteral("The Ethernet MAC address, as 00:1B:82:4E:56:01."),
         QStringLiteral("MAC")},
        {QStringLiteral("net-name"), QStringLiteral("The network printer name."), QStringLiteral("NAME")},
        {QStringLiteral("model"), QStringLiteral("The model name discovery reports."), QStringLiteral("NAME")},
        {QStringLiteral("pty"), QStringLiteral("Serve a pseudo-terminal (a serial or parallel port).")},
        {QStringLiteral("usb"), QStringLiteral("Serve a pseudo-terminal as a USB printer under DIR/sys and DIR/dev."),
         QStringLiteral("DIR")},
        {QStringLiteral("edition"), QStringLiteral("The firmware edition (default %1).").arg(kDefaultEdition),
         QStringLiteral("N")},
        {QStringLiteral("password"), QStringLiteral("The printer password (editions above 100)."),
         QStringLiteral("TEXT")},
        {QStringLiteral("emulation"), QStringLiteral("The active emulation: 0 ZPL2, 1 CPCL."), QStringLiteral("N")},
        {QStringLiteral("bt-devices"),
         QStringLiteral("What a Bluetooth search finds: NAME=ADDRESS pairs joined by \";\", or \"none\" for a\n"
                        "printer without a Bluetooth module."),
         QStringLiteral("LIST")},
        {QStringLiteral("ext-module"),
         QStringLiteral("The module on COM1: bluetooth (default), wireless (no Bluetooth) or none."),
         QStringLiteral("KIND")},
        {QStringLiteral("access-points"),
         QStringLiteral("What an access-point search finds: SSID=CODE pairs joined by \";\" (1 WEP, 2 WPA, 0 none),\n"
                        "or \"none\" for a module that answers -1."),
         QStringLiteral("LIST")},
        {QStringLiteral("memory-kb"),
         QStringLiteral("Physical and free space of the memories in KB, for example DRAM=8192/6000,FLASH=4096,CARD=0\n"
                        "(free space: the physical size when left out; CARD=0: no card). Default\n"
                        "DRAM=%1,FLASH=%2,CARD=%3.")
             .arg(MemoryState().dram.physicalKb)
             .arg(MemoryState().flash.physicalKb)
             .arg(MemoryState().card.physicalKb),
         QStringLiteral("LIST")},
        {QStringLiteral("clock"), QStringLiteral("The real-time clock's time from the start (default: the host's)."),
         QStringLiteral("YYYY-MM-DDTHH:MM:SS")},
        {QStringLiteral("clock-stopped"), QStringLiteral("The clock stands still: every read answers the time set.")},
        {QStringLiteral("dump-file"),
         QStringLiteral("The contents of the printer file Dump.txt, read from PATH (at most 4 MiB)."),
         QStringLiteral("PATH")},
        {QStringLiteral("gap-sensor"),
         QStringLiteral("The gap sensor's value at each intensity over the liner, then over a label: V,V,.../V,V,..."),
         QStringLiteral("LISTS")},
        {QStringLiteral("bline-sensor"),
         QStringLiteral("The black-mark sensor's value at each intensity over a mark, then over a label."),
         QStringLiteral("LISTS")},
        {QStringLiteral("label-under-sensor"),
         QStringLiteral("A label lies under the sensors, not the liner or a mark.")},
        {QStringLiteral("status"), QStringLiteral("The status byte, in hexadecimal."), QStringLiteral("HEX")},
        {QStringLiteral("extended-status"), QStringLiteral("The 8 extended status bytes, in hexadecimal."),
         QStringLiteral("HEX")},
        {QStringLiteral("no-extended-status"), QStringLiteral("Do not answer the extended status query.")},
        {QStringLiteral("fault"), QStringLiteral("Misbehave: %1.").arg(SimFaultNames().join(QStringLiteral(", "))),
         QStringLiteral("NAME")},
        {QStringLiteral("delay"),
         QStringLiteral("Reply delay for answer-late, and the time between two bytes of trickle-garbage (0 or "
                        "not given: 1000), in ms."),
         QStringLiteral("MS")},
        {QStringLiteral("read-only-settings"),
         QStringLiteral("Settings the printer accepts commands for but keeps unchanged, by their report keys joined\n"
                        "by commas, for example SPEED,PAPERWIDTH (after --edition: the keys it reports)."),
         QStringLiteral("NAME[,NAME...]")},
        {QStringLiteral("quiet"), QStringLiteral("Do not print the commands received.")},
    });
    parser.process(app);
    if (!parser.isSet(QStringLiteral("tcp")) && !parser.isSet(QStringLiteral("udp")) &&
        !parser.isSet(QStringLiteral("pty")) && !parser.isSet(QStringLiteral("usb")))
        fail(QStringLiteral("choose at least one of --tcp, --udp, --pty, --usb"));

    VirtualPrinter printer;
    printer.withState([&](PrinterState& state) {
        if (parser.isSet(QStringLiteral("edition")))
            state.reports = FactoryReports(parseNumber(parser.value(QStringLiteral("edition")), "edition"));
        if (parser.isSet(QStringLiteral("password")))
            state.reports["PASSWORD"] = parser.value(QStringLiteral("password")).toLatin1();
        if (parser.isSet(QStringLiteral("emulation")))
            state.reports["ACT_EMULATION"] =
                QByteArray::number(parseNumber(parser.value(QStringLiteral("emulation")), "emulation"));
        if (parser.isSet(QStringLiteral("bt-devices"))) {
            const QString devices = parser.value(QStringLiteral("bt-devices"));
            state.bluetooth.module = devices != QStringLiteral("none");
            state.bluetooth.devices.clear();
            for (const QString& device : devices.split(u';', Qt::SkipEmptyParts)) {
                if (state.bluetooth.module)
                    state.bluetooth.devices.append(
                        {device.section(u'=', 0, 0).toLatin1(), device.section(u'=', 1).toLatin1()});
            }
        }
        if (parser.isSet(QStringLiteral("ext-module")) &&
            !SetExternalModuleKind(parser.value(QStringLiteral("ext-module")), state.externalModule))
            fail(QStringLiteral("--ext-module takes bluetooth, wireless or none"));
        if (parser.isSet(QStringLiteral("access-points")) &&
            !SetAccessPoints(parser.value(QStringLiteral("access-points")), state.externalModule))
            fail(QStringLiteral("--access-points takes SSID=CODE pairs joined by \";\", or none"));
        QString memoryError;
        if (parser.isSet(QStringLiteral("memory-kb")) &&
            !SetMemorySizes(parser.value(QStringLiteral("memory-kb")), state.memories, memoryError))
            fail(QStringLiteral("--memory-kb: %1").arg(memoryError));
        if (parser.isSet(QStringLiteral("clock"))) {
            const auto time = ParseClockTime(parser.value(QStringLiteral("clock")));
            if (!time)
                fail(QStringLiteral("--clock takes a time of this century as YYYY-MM-DDTHH:MM:SS"));
            state.clock.fields = *time;
        }
        state.clock.running = !parser.isSet(QStringLiteral("clock-stopped"));
        if (parser.isSet(QStringLiteral("dump-file"))) {
            QString error;
            const auto contents = norvane::ReadWholeFile(parser.value(QStringLiteral("dump-file")), 4 << 20, error);
            if (!contents)
                fail(QStringLiteral("--dump-file: %1").arg(error));
            state.dump.files["Dump.txt"] = *contents;
        }
        QString sensorError;
        if (parser.isSet(QStringLiteral("gap-sensor")) &&
            !ParseSensorSamples(parser.value(QStringLiteral("gap-sensor")), state.sensor.gapLiner,
                                state.sensor.gapLabel, sensorError))
            fail(QStringLiteral("--gap-sensor: %1").arg(sensorError));
        if (parser.isSet(QStringLiteral("bline-sensor")) &&
            !ParseSensorSamples(parser.value(QStringLiteral("bline-sensor")), state.sensor.markBlack,
                                state.sensor.markLabel, sensorError))
            fail(QStringLiteral("--bline-sensor: %1").arg(sensorError));
        state.sensor.labelUnderSensor = parser.isSet(QStringLiteral("label-under-sensor"));
        if (parser.isSet(QStringLiteral("status")))
            state.status = static_cast<std::uint8_t>(parseNumber(parser.value(QStringLiteral("status")), "status", 16));
        if (parser.isSet(QStringLiteral("extended-status"))) {
            const QByteArray bytes = QByteArray::fromHex(parser.value(QStringLiteral("extended-status")).toLatin1());
            if (bytes.size() != 8)
                fail(QStringLiteral("--extended-status takes 8 bytes in hexadecimal"));
            state.extendedStatus = bytes;
        }
        state.answersExtendedStatus = !parser.isSet(QStringLiteral("no-extended-status"));
        if (parser.isSet(QStringLiteral("fault"))) {
            const auto fault = SimFaultFromName(parser.value(QStringLiteral("fault")));
            if (!fault)
                fail(QStringLiteral("unknown fault %1").arg(parser.value(QStringLiteral("fault"))));
            state.fault = *fault;
        }
        if (parser.isSet(QStringLiteral("mac"))) {
            const auto mac = norvane::ParseMacAddress(parser.value(QStringLiteral("mac")).toLatin1());
            if (!mac)
                fail(QStringLiteral("--mac takes six two-digit hexadecimal groups joined by colons"));
            state.network.mac = *mac;
        }
        if (parser.isSet(QStringLiteral("net-name")))
            state.network.name = parser.value(QStringLiteral("net-name")).toLatin1();
        if (parser.isSet(QStringLiteral("model")))
            state.network.model = parser.value(QStringLiteral("model")).toLatin1();
        QString readOnlyError;
        if (parser.isSet(QStringLiteral("read-only-settings")) &&
            !SetReadOnlySettings(parser.value(QStringLiteral("read-only-settings")), state, readOnlyError))
            fail(QStringLiteral("--read-only-settings: %1").arg(readOnlyError));
        if (parser.isSet(QStringLiteral("delay")))
            state.replyDelay = std::chrono::milliseconds(parseNumber(parser.value(QStringLiteral("delay")), "delay"));
    });

    // The server thread inherits this mask, so only sigwait below sees the signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    SimServer server(printer);
    if (parser.isSet(QStringLiteral("tcp"))) {
        const int port = server.listenTcp(parseNumber(parser.value(QStringLiteral("tcp")), "port"));
        if (port == 0)
            fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(parser.value(QStringLiteral("tcp"))));
        std::printf("%d\n", port);
    }
    if (parser.isSet(QStringLiteral("udp"))) {
        const int port = server.listenUdp(parseNumber(parser.value(QStringLiteral("udp")), "port"));
        if (port == 0)
            fail(QStringLiteral("cannot bind UDP port %1").arg(parser.value(QStringLiteral("udp"))));
        std::printf("udp %d\n", port);
    }
    if (parser.isSet(QStringLiteral("pty"))) {
        const QString path = server.openPty();
        if (path.isEmpty())
            fail(QStringLiteral("cannot create a pseudo-terminal"));
        std::printf("pty %s\n", qPrintable(path));
    }
    if (parser.isSet(QStringLiteral("usb"))) {
        const QString dir = parser.value(QStringLiteral("usb"));
        if (!server.openUsb(dir))
            fail(QStringLiteral("cannot create the USB printer under %1").arg(dir));
        std::printf("usb %s\n", qPrintable(dir));
    }
    std::fflush(stdout);
    if (!parser.isSet(QStringLiteral("quiet"))) {
        printer.setCommandObserver([](const QByteArray& command) {
            std::printf("< %s\n", command.constData());
            std::fflush(stdout);
        });
    }
    server.start();
    int received = 0;
    sigwait(&stopSignals, &received);
    return 0;
}
