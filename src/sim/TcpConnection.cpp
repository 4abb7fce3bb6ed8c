#include "TcpConnection.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace norvane::sim {

TcpConnection::TcpConnection(UniqueFd socket, VirtualPrinter& printer)
    : m_socket(std::move(socket)), m_session(printer.openSession())
{
}

short TcpConnection::events(Clock::time_point now, Clock::time_point& wakeAt) const
{
    return POLLIN | m_replies.events(now, wakeAt);
}

void TcpConnection::handle(short revents)
{
    if (revents & (POLLIN | POLLHUP | POLLERR))
        read();
    if (m_socket.isValid() && (revents & POLLOUT))
        write();
}

void TcpConnection::read()
{
    char buffer[65536];
    const ssize_t n = ::read(m_socket.get(), buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        close();
        return;
    }
    m_replies.add(m_session->receive(QByteArrayView(buffer, n)));
}

void TcpConnection::write()
{
    if (m_replies.writeTo(m_socket.get()) != ReplyQueue::WriteResult::Written)
        close();
}

void TcpConnection::close()
{
    m_session->close();
    m_socket.reset();
    m_replies.clear();
}

} // namespace norvane::sim
