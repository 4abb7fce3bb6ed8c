#pragma once

#include "link/PosixIo.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

namespace norvane::test {

/// A bare client of the virtual printer's endpoints, for tests that look at the bytes themselves.
class SimClient
{
public:
    /// Connected to 127.0.0.1:`port`; not connected when that fails.
    static SimClient tcp(int port);
    /// The terminal at `path` opened for reading and writing.
    static SimClient terminal(const QString& path);

    bool isOpen() const { return m_fd.isValid(); }
    bool send(QByteArrayView bytes);
    /// Reads until `enough` holds for everything read, the peer closes, or `timeout` passes.
    QByteArray readUntil(const std::function<bool(const QByteArray&)>& enough,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// Reads until at least `count` bytes came.
    QByteArray readAtLeast(qsizetype count, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    /// True when the peer closes the connection within `timeout`; what comes before is dropped.
    bool waitForClose(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    void close() { m_fd.reset(); }

private:
    explicit SimClient(UniqueFd fd) : m_fd(std::move(fd)) {}
    /// One read within `timeout`: the bytes, empty on time-out; false when the peer closed.
    bool readSome(QByteArray& into, std::chrono::milliseconds timeout);

    UniqueFd m_fd;
};

} // namespace norvane::test
