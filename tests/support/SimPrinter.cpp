#include "SimPrinter.h"

namespace norvane::test {

SimPrinter::SimPrinter()
{
    tcpPort = server.listenTcp();
    udpPort = server.listenUdp();
    ptyPath = server.openPty();
    server.openUsb(usbDir.path());
    server.start();

    settings.ethernet.host = QStringLiteral("127.0.0.1");
    settings.ethernet.port = tcpPort;
    settings.serial.portName = ptyPath;
    settings.parallel.portName = ptyPath;
    links = std::make_unique<LinkLayer>(settings, progress,
                                        std::make_unique<SystemTransportOpener>(UsbDeviceRoots::under(usbDir.path())));
    links->timeouts().usbRead = kShortTimeout;
    links->timeouts().comRead = kShortTimeout;
    links->timeouts().ethernet = kShortTimeout;
    dispatcher = std::make_unique<CommandDispatcher>(*links);
}

DiscoveryTargets SimPrinter::loopbackTargets() const
{
    const DiscoveryDestination here{QHostAddress(QHostAddress::LocalHost), static_cast<std::uint16_t>(udpPort)};
    return {here, here};
}

} // namespace norvane::test
