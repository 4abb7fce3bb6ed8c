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
///
/// Every wait for input is cut into slices of at most WaitPacing::kSlice, with an event pass of the progress view
/// between them, so the window keeps painting however long the printer takes. A wait that lasts
/// `showWaitingAfter` tells the progress view. When the view asks to stop waiting, the current wait ends as a
/// time-out and every further read and wait of this link fails at once; writes still go out whole.
class PrinterLink
{
public:
    PrinterLink(InterfaceKind kind, std::unique_ptr<Transport> transport, ReceiveRing* ring, Progress& progress,
                std::chrono::milliseconds readTimeout, std::chrono::milliseconds showWaitingAfter);
    ~PrinterLink();
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;

    InterfaceKind kind() const { return m_kind; }

    /// Writes in chunks (64 bytes USB and COM, 512 TCP, one write LPT) with progress; true when all went out.
    bool WriteLink(QByteArrayView data);
    /// The next received byte; false after one read time-out without input, when the connection ended, once
    /// the user stopped the waiting, and always on LPT.
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
    /// An event pass that also takes the user's request to stop waiting.
    void passEvents();

    InterfaceKind m_kind;
    std::unique_ptr<Transport> m_transport;
    ReceiveRing* m_ring;
    Progress& m_progress;
    std::chrono::milliseconds m_readTimeout;
    std::chrono::milliseconds m_showWaitingAfter;
    bool m_cancelled = false;
};

} // namespace norvane
