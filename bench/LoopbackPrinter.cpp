#include "LoopbackPrinter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace norvane::bench {

LoopbackPrinter::LoopbackPrinter()
{
    port = server.listenTcp();
    server.start();
    settings.ethernet.host = QStringLiteral("127.0.0.1");
    settings.ethernet.port = port;
}

UniqueFd ConnectBareSocket(int port)
{
    UniqueFd socket(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    ::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int on = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return socket;
}

} // namespace norvane::bench
