#include "PtyEndpoint.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace norvane::sim {

std::unique_ptr<PtyEndpoint> PtyEndpoint::open(VirtualPrinter& printer)
{
    auto terminal = openTerminal();
    if (!terminal)
        return nullptr;
    return std::unique_ptr<PtyEndpoint>(new PtyEndpoint(std::move(*terminal), printer));
}

std::optional<PtyEndpoint::Terminal> PtyEndpoint::openTerminal()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return std::nullopt;
    Terminal terminal{UniqueFd(master), UniqueFd(slave), QString::fromLocal8Bit(name)};
    termios raw{};
    ::tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return terminal;
}

PtyEndpoint::PtyEndpoint(Terminal terminal, VirtualPrinter& printer)
    : m_master(std::move(terminal.master)), m_slave(std::move(terminal.slave)), m_path(std::move(terminal.path)),
      m_session(printer.openSession())
{
}

short PtyEndpoint::events(Clock::time_point now, Clock::time_point& wakeAt) const
{
    return POLLIN | m_replies.events(now, wakeAt);
}

void PtyEndpoint::handle(short revents)
{
    if (revents & (POLLIN | POLLHUP | POLLERR))
        read();
    if (revents & POLLOUT)
        write();
}

void PtyEndpoint::read()
{
    char buffer[65536];
    const ssize_t n = ::read(m_master.get(), buffer, sizeof buffer);
    // The master reads EIO while no client holds the slave; the line stays, waiting for the next client.
    if (n <= 0)
        return;
    // A line never closes, so an endless answer ends when the host speaks again; what it left unread in
    // the line goes too, so the next answer arrives clean.
    if (m_replies.dropRepeating())
        ::tcflush(m_slave.get(), TCIFLUSH);
    m_replies.add(m_session->receive(QByteArrayView(buffer, n)));
}

void PtyEndpoint::write()
{
    // A serial line cannot be closed: an answer that ends with closing it loses its rest, and one the
    // line refuses is lost.
    if (m_replies.writeTo(m_master.get()) != ReplyQueue::WriteResult::Written)
        m_replies.clear();
}

} // namespace norvane::sim
