#pragma once

namespace norvane::test {

/// A loopback TCP port where connections are refused, held for the object's life: the socket is bound but
/// never listens, so no other program can take the port meanwhile.
class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

} // namespace norvane::test
