#pragma once

#include "link/InterfaceKind.h"
#include "link/Transport.h"

#include <QByteArrayView>
#include <chrono>
#include <cstdint>
#include <memory>

namespace norvane {

class Progress;
class ReceiveRing;

/// One opened link for the length of one printer operation. Closes itself when destroyed.
class PrinterLink
{
public:
    PrinterLink(InterfaceKind kind, std::unique_ptr<Transport> transport, ReceiveRing* ring, Progress& progress,
                std::chrono::milliseconds readTimeout);
    ~PrinterLink();
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;

    InterfaceKind kind() const { return m_kind; }

    /// Writes in chunks (64 bytes USB and COM, 512 TCP, one write LPT) with progress; true when all went out.
    bool WriteLink(QByteArrayView data);
    /// The next received byte; false after one read time-out without input, and always on LPT.
    bool ReadByte(std::uint8_t& out);
    /// Reads up to `count` bytes, stopping at the first failure; returns how many arrived.
    std::size_t ReadBytes(char* out, std::size_t count);
    /// Forgets everything received so far, before a reply that takes long to come.
    void DiscardInput();
    /// Waits at most `timeout` for input without taking it; true as soon as some is there.
    bool WaitForInput(std::chrono::milliseconds timeout);
    /// May be called any number of times.
    void CloseLink();

    std::chrono::milliseconds readTimeout() const { return m_readTimeout; }
    void setReadTimeout(std::chrono::milliseconds timeout) { m_readTimeout = timeout; }

private:
    bool writeInChunks(QByteArrayView data, std::size_t chunkSize);
    bool fetch(std::chrono::milliseconds timeout);

    InterfaceKind m_kind;
    std::unique_ptr<Transport> m_transport;
    ReceiveRing* m_ring;
    Progress& m_progress;
    std::chrono::milliseconds m_readTimeout;
};

} // namespace norvane
