#include "TcpListener.h"

#include "TcpConnection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace norvane::sim {

std::unique_ptr<TcpListener> TcpListener::listen(int port, VirtualPrinter& printer, Adopt adopt)
{
    UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.isValid())
        return nullptr;
    const int on = 1;
    ::setsockopt(socket.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    if (::bind(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket.get(), 8) != 0 ||
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return nullptr;
    return std::unique_ptr<TcpListener>(
        new TcpListener(std::move(socket), ntohs(address.sin_port), printer, std::move(adopt)));
}

TcpListener::TcpListener(UniqueFd socket, int port, VirtualPrinter& printer, Adopt adopt)
    : m_socket(std::move(socket)), m_port(port), m_printer(printer), m_adopt(std::move(adopt))
{
}

short TcpListener::events(Clock::time_point, Clock::time_point&) const
{
    return POLLIN;
}

void TcpListener::handle(short revents)
{
    if (!(revents & POLLIN))
        return;
    UniqueFd client(::accept4(m_socket.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!client.isValid())
        return;
    const int on = 1;
    ::setsockopt(client.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    m_adopt(std::make_unique<TcpConnection>(std::move(client), m_printer));
}

} // namespace norvane::sim
